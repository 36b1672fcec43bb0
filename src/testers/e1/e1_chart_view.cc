#include "testers/e1/e1_chart_view.h"

#include <QPainter>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

E1ChartWidget::E1ChartWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("E1Chart");
  setMinimumHeight(140);
}

void E1ChartWidget::SetModel(E1ChartModel model) {
  model_ = std::move(model);
  update();
}

void E1ChartWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const int left = 8, right = width() - 8, top = 22, bottom = height() - 22;
  const int plot_width = std::max(1, right - left);
  const int plot_height = std::max(1, bottom - top);
  p.setPen(Qt::black);
  p.drawLine(left, bottom, right, bottom);
  p.drawText(left, 14,
             Tr("Ошибки: до %1").arg(model_.max_errors()) + "    " +
                 Tr("Аварийные секунды: до %1").arg(model_.max_alarm_seconds()));
  p.drawText(QRect(left, bottom + 4, plot_width, 16), Qt::AlignLeft, Q(model_.start_text()));
  p.drawText(QRect(left, bottom + 4, plot_width, 16), Qt::AlignRight, Q(model_.end_text()));
  const auto& bars = model_.bars();
  for (size_t i = 0; i < bars.size(); ++i) {
    const int x0 = left + static_cast<int>(model_.X(bars[i].begin) * plot_width);
    const int x1 = std::max(x0 + 1, left + static_cast<int>(model_.X(bars[i].end) * plot_width));
    const int half = std::max(1, (x1 - x0) / 2);
    if (static_cast<int>(i) == model_.selected()) {
      p.fillRect(QRect(x0, top, x1 - x0, plot_height), QColor(200, 220, 255));
    }
    const int errors = static_cast<int>(model_.ErrorHeight(i) * plot_height);
    const int alarms = static_cast<int>(model_.AlarmHeight(i) * plot_height);
    p.fillRect(QRect(x0, bottom - errors, half, errors), QColor(200, 30, 30));
    p.fillRect(QRect(x0 + half, bottom - alarms, x1 - x0 - half, alarms), QColor(240, 150, 20));
  }
  if (bars.empty()) p.drawText(rect(), Qt::AlignCenter, Tr("Нет данных"));
}

}  // namespace telvane
