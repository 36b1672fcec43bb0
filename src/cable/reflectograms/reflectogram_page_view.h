// The Qt view of the reflectogram pages: the cable choice, the slot list with
// its marks, the transfer and storage buttons with the storage switch, the
// information panel of the cursor's slot, and the trace plot of the cursor's
// slot overlaid with the other marked slots.
#ifndef TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_PAGE_VIEW_H_
#define TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_PAGE_VIEW_H_

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "cable/reflectograms/reflectogram_page.h"
#include "page/gui/page_view.h"
#include "storage/trace/plot/gui/trace_plot_panel.h"

namespace telvane {

class ReflectogramPageView : public PageView {
  Q_OBJECT

 public:
  ReflectogramPageView(ReflectogramPage& page, QWidget* parent);
  void Refresh() override;

 private:
  void RefreshPanel();
  void RefreshPlot();

  ReflectogramPage& reflectograms_;
  QComboBox* cables_;
  QListWidget* slots_;
  QPushButton* receive_;
  QPushButton* send_;
  QPushButton* save_;
  QPushButton* open_;
  QCheckBox* storage_;
  QFormLayout* panel_;
  std::vector<QLabel*> panel_labels_;
  std::vector<QLabel*> panel_values_;
  TracePlotPanel* plot_;
  // What the plot shows now, so that a redraw keeps the person's zoom and
  // cursors while the traces stay the same.
  std::vector<std::vector<double>> plotted_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_PAGE_VIEW_H_
