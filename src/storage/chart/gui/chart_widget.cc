#include "storage/chart/gui/chart_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "storage/chart/gui/chart_paint.h"

namespace telvane {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void ChartWidget::SetFigure(ChartFigure figure) {
  std::optional<double> marker;
  for (const ChartModel& chart : figure_.charts) {
    if (chart.marker()) marker = chart.marker();
  }
  figure_ = std::move(figure);
  if (marker) figure_.SetMarker(*marker);
  update();
}

void ChartWidget::SetMarker(double x) {
  figure_.SetMarker(x);
  update();
  Q_EMIT markerMoved(x);
}

bool ChartWidget::SavePng(const QString& path) const {
  return RenderChartFigure(figure_, size()).save(path, "PNG");
}

std::string ChartWidget::PngBytes() const { return ChartPng(figure_, size()); }

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintChartFigure(painter, figure_, rect());
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) MarkAt(event->position().toPoint());
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) MarkAt(event->position().toPoint());
}

void ChartWidget::MarkAt(QPoint pixel) {
  const ChartLayout layout(figure_, rect(), fontMetrics());
  const int index = layout.ChartAt(pixel);
  if (index < 0) return;
  const ChartModel& chart = figure_.charts[static_cast<size_t>(index)];
  SetMarker(ChartXAt(chart, layout.areas()[static_cast<size_t>(index)], pixel.x()));
}

}  // namespace telvane
