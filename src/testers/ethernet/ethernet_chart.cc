#include "testers/ethernet/ethernet_chart.h"

#include <algorithm>

namespace telvane {

std::vector<EthernetChartSeries> EthernetChart(const Rfc2544Result& r, int unit) {
  std::vector<EthernetChartSeries> all;
  if (!r.holds_result()) return all;
  const std::optional<double> per_percent = MbitPerPercent(r.rate_code());
  const bool mbit = unit == static_cast<int>(RateUnit::kMbit) && per_percent.has_value();
  const double factor = mbit ? *per_percent : 1.0;
  static const char* const kLatencyUnits[] = {"мкс", "мс"};
  for (Rfc2544Section s : kRfc2544Sections) {
    if (!r.section_run(s)) continue;
    const bool latency = s == Rfc2544Section::kLatency;
    EthernetChartSeries series;
    series.name = SectionName(s);
    series.unit = latency ? (r.latency_unit() < 2 ? kLatencyUnits[r.latency_unit()] : "??")
                          : (mbit ? "Мбит/c" : "%");
    const double scale = latency ? 1.0 : factor;
    series.threshold = static_cast<double>(r.threshold(s)) * scale;
    series.maximum = std::max(0.0, series.threshold);
    for (int i = 0; i < r.frame_size_count(); ++i) {
      series.sizes.push_back(FrameSizeText(r, i));
      std::optional<double> value;
      if (r.status(s) == 2) value = static_cast<double>(r.result(s, i)) * scale;
      if (value) series.maximum = std::max(series.maximum, *value);
      series.values.push_back(value);
      series.failed.push_back(r.verdict(s, i) == 1);
    }
    all.push_back(std::move(series));
  }
  return all;
}

}  // namespace telvane
