// The trace plot on screen: paints its model and turns the mouse into model
// actions. Dragging near a cursor moves that cursor; dragging elsewhere with
// the left button draws a rubber band and zooms to it; the wheel zooms around
// the pointer; the middle or right button pans; a double click or Home shows
// everything again.
#ifndef TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_WIDGET_H_
#define TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_WIDGET_H_

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "storage/trace/plot/trace_plot_model.h"

namespace telvane {

class TracePlotWidget : public QWidget {
  Q_OBJECT

 public:
  explicit TracePlotWidget(QWidget* parent = nullptr);

  TracePlotModel& model() { return model_; }
  const TracePlotModel& model() const { return model_; }
  // Repaints after the owner changed the model, and tells the listeners.
  void Refresh();
  // The current view as a PNG of the widget's size; false when not written.
  bool SavePng(const QString& path) const;

  QSize sizeHint() const override { return QSize(640, 360); }

 Q_SIGNALS:
  // Cursors, zoom or traces changed.
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class Drag { kNone, kCursor, kBand, kPan };

  TracePlotModel model_;
  Drag drag_ = Drag::kNone;
  int dragged_cursor_ = 1;
  QPoint press_;
  QPoint last_;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_WIDGET_H_
