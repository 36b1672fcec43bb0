#include "testers/ethernet/ethernet_chart_view.h"

#include <QPainter>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

EthernetChartWidget::EthernetChartWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("EthernetChart");
  setMinimumHeight(160);
}

void EthernetChartWidget::SetSeries(std::vector<EthernetChartSeries> series) {
  series_ = std::move(series);
  update();
}

void EthernetChartWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (series_.empty()) {
    p.drawText(rect(), Qt::AlignCenter, Tr("Файл пуст"));
    return;
  }
  const int panel_width = width() / static_cast<int>(series_.size());
  for (size_t s = 0; s < series_.size(); ++s) {
    const EthernetChartSeries& series = series_[s];
    const int left = static_cast<int>(s) * panel_width + 10;
    const int right = left + panel_width - 20;
    const int top = 24, bottom = height() - 20;
    const int plot_height = std::max(1, bottom - top);
    p.setPen(Qt::black);
    p.drawText(left, 14, Q(series.name) + ", " + Q(series.unit));
    p.drawLine(left, bottom, right, bottom);
    const double scale = series.maximum > 0 ? plot_height / (series.maximum * 1.1) : 0.0;
    const int count = static_cast<int>(series.values.size());
    const int step = count > 0 ? std::max(1, (right - left) / count) : 1;
    for (int i = 0; i < count; ++i) {
      const int x = left + i * step;
      if (series.values[static_cast<size_t>(i)]) {
        const int h = static_cast<int>(*series.values[static_cast<size_t>(i)] * scale);
        p.fillRect(
            QRect(x + 1, bottom - h, std::max(1, step - 2), h),
            series.failed[static_cast<size_t>(i)] ? QColor(200, 30, 30) : QColor(40, 120, 200));
      }
      p.drawText(QRect(x, bottom + 2, step, 16), Qt::AlignHCenter,
                 Q(series.sizes[static_cast<size_t>(i)]));
    }
    const int threshold_y = bottom - static_cast<int>(series.threshold * scale);
    p.setPen(QPen(QColor(0, 150, 0), 2, Qt::DashLine));
    p.drawLine(left, threshold_y, right, threshold_y);
  }
}

}  // namespace telvane
