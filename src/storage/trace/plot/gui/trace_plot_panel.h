// The plot with its controls, as the reflectogram pages and the viewer embed
// it: the plot, the cursor readout under it, the detection threshold, "reset
// zoom", PNG export and the list of reflections of the active trace.
#ifndef TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_PANEL_H_
#define TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_PANEL_H_

#include <QWidget>

#include "storage/trace/plot/gui/trace_plot_widget.h"

class QDoubleSpinBox;
class QTreeWidget;

namespace telvane {

class TracePlotPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TracePlotPanel(QWidget* parent = nullptr);

  TracePlotWidget& plot() { return *plot_; }
  TracePlotModel& model() { return plot_->model(); }
  // Redraws the plot and the reflection list after the model changed.
  void Refresh();

 private:
  void FillReflections();
  void ExportPng();

  TracePlotWidget* plot_;
  QDoubleSpinBox* threshold_;
  QTreeWidget* reflections_;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_PANEL_H_
