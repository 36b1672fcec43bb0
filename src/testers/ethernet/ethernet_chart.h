// The chart of one RFC 2544 result, without pixels: for each section that was
// run, its result per frame size in the unit shown (percent or Mbit/s of the
// line, or the latency unit) against its threshold. A frame size whose
// section did not end with valid results (status other than 2) has no point.
#ifndef TELVANE_TESTERS_ETHERNET_ETHERNET_CHART_H_
#define TELVANE_TESTERS_ETHERNET_ETHERNET_CHART_H_

#include <optional>
#include <string>
#include <vector>

#include "testers/ethernet/rfc2544_result.h"

namespace telvane {

struct EthernetChartSeries {
  std::string name;                           // "Throughput", ...
  std::string unit;                           // "%", "Мбит/c", "мкс", "мс", "??"
  std::vector<std::string> sizes;             // frame size texts ("?" for sizes 10 and 11)
  std::vector<std::optional<double>> values;  // per frame size
  std::vector<bool> failed;                   // verdict 1 per frame size
  double threshold = 0;
  double maximum = 0;  // the largest of values and threshold
};

// One series per section that was run; none for a result that holds none.
// `unit` as the page's selector (0 percent, 1 Mbit/s); a rate code without a
// factor shows rates in percent.
std::vector<EthernetChartSeries> EthernetChart(const Rfc2544Result& result, int unit);

}  // namespace telvane

#endif  // TELVANE_TESTERS_ETHERNET_ETHERNET_CHART_H_
