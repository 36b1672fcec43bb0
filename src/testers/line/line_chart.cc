#include "testers/line/line_chart.h"

#include <algorithm>

namespace telvane {

bool LineKindHasChart(LineRecordKind kind) {
  return kind != LineRecordKind::kAdsl && kind != LineRecordKind::kModem;
}

ChartFigure LineChart(LineRecordKind kind, const std::vector<LinePoint>& points) {
  ChartFigure figure;
  if (!LineKindHasChart(kind)) return figure;
  std::vector<LinePoint> sorted = points;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const LinePoint& a, const LinePoint& b) { return a.khz < b.khz; });
  ChartSeries series;
  series.label = LineKindOf(kind).choice;
  series.unit = "дБ";
  series.colour = {31, 119, 180};
  series.style = kind == LineRecordKind::kLevel ? ChartStyle::kBars : ChartStyle::kLine;
  for (const LinePoint& p : sorted) {
    series.x.push_back(p.khz);
    series.y.push_back(p.level);
  }
  ChartModel chart(LineKindOf(kind).choice);
  chart.set_x_title("Частота, кГц");
  chart.set_y_title("Уровень, дБ");
  chart.AddSeries(std::move(series));
  figure.charts.push_back(std::move(chart));
  return figure;
}

}  // namespace telvane
