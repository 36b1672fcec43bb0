// Draws a chart figure: the one picture the chart widget shows, its PNG export
// writes and telvane-cli renders without a window. Every text of the model
// is translated in the context "Charts".
#ifndef TELVANE_STORAGE_CHART_GUI_CHART_PAINT_H_
#define TELVANE_STORAGE_CHART_GUI_CHART_PAINT_H_

#include <QFontMetrics>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

#include "storage/chart/chart_model.h"

class QPainter;

namespace telvane {

// Where each chart of a figure lands inside `whole`: its plotting area (the
// title, legend and axis texts around it) and the side table's place.
class ChartLayout {
 public:
  ChartLayout(const ChartFigure& figure, QRect whole, const QFontMetrics& fm);
  const std::vector<QRect>& areas() const { return areas_; }
  QRect table() const { return table_; }
  // The chart whose area holds `pixel` (its column, any height); -1 for none.
  int ChartAt(QPoint pixel) const;

 private:
  std::vector<QRect> areas_;
  QRect table_;
};

// Conversions between a chart's values and the pixels of its area.
QPointF ChartPixel(const ChartModel& chart, QRect area, double x, double y);
double ChartXAt(const ChartModel& chart, QRect area, double pixel_x);

void PaintChartFigure(QPainter& painter, const ChartFigure& figure, QRect rect);

// The picture alone, `size` pixels, on a white background.
QImage RenderChartFigure(const ChartFigure& figure, QSize size);

// The picture as the bytes of a PNG file; empty when it could not be encoded.
std::string ChartPng(const ChartFigure& figure, QSize size);

}  // namespace telvane

#endif  // TELVANE_STORAGE_CHART_GUI_CHART_PAINT_H_
