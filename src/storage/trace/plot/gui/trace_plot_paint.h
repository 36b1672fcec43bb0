// Draws a trace plot model: the one picture the plot widget shows, its PNG
// export writes and telvane-cli renders without a window.
#ifndef TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_PAINT_H_
#define TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_PAINT_H_

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include "storage/trace/plot/trace_plot_model.h"

class QPainter;

namespace telvane {

// Where the model's window lands inside `whole`: the plotting area (axes,
// legend and readout around it) and the conversions between metres /
// amplitude and pixels.
class PlotMapping {
 public:
  PlotMapping(const TracePlotModel& model, QRect whole);
  QRect area() const { return area_; }
  QPointF ToPixel(double metres, double amplitude) const;
  double MetresAt(double x) const;
  double AmplitudeAt(double y) const;

 private:
  PlotWindow window_;
  QRect area_;
};

void PaintTracePlot(QPainter& painter, const TracePlotModel& model, QRect rect);

// The picture alone, `size` pixels, on a white background.
QImage RenderTracePlot(const TracePlotModel& model, QSize size);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_PLOT_PAINT_H_
