// The chart of one E1 measurement file, without pixels: per interval its time
// span (seconds from the start), the errors (the six error counters added)
// and the alarm seconds (the eight alarms added), on a shared time axis over
// the whole measurement, with the selected interval marked. Heights are
// scaled 0..1 on a logarithmic scale so that single errors and bursts both
// show.
#ifndef TELVANE_TESTERS_E1_E1_CHART_H_
#define TELVANE_TESTERS_E1_E1_CHART_H_

#include <cstdint>
#include <string>
#include <vector>

#include "testers/e1/e1_records.h"

namespace telvane {

struct E1ChartBar {
  uint64_t begin = 0;  // seconds from the start
  uint64_t end = 0;
  uint64_t errors = 0;
  uint64_t alarm_seconds = 0;
};

class E1ChartModel {
 public:
  E1ChartModel() = default;
  E1ChartModel(const E1File& file, int selected);

  const std::vector<E1ChartBar>& bars() const { return bars_; }
  int selected() const { return selected_; }
  // The whole measurement's seconds (the time axis runs 0..total).
  uint64_t total_seconds() const { return total_; }
  // Position 0..1 of a time on the axis.
  double X(uint64_t seconds) const;
  // Heights 0..1: log10(1 + value) over log10(1 + the largest value).
  double ErrorHeight(size_t bar) const;
  double AlarmHeight(size_t bar) const;
  uint64_t max_errors() const { return max_errors_; }
  uint64_t max_alarm_seconds() const { return max_alarms_; }
  // The axis ends: the start and end time "%2.2u.%2.2u.%4.4u %2.2u:%2.2u:%2.2u".
  std::string start_text() const { return start_text_; }
  std::string end_text() const { return end_text_; }

 private:
  std::vector<E1ChartBar> bars_;
  int selected_ = -1;
  uint64_t total_ = 0;
  uint64_t max_errors_ = 0;
  uint64_t max_alarms_ = 0;
  std::string start_text_;
  std::string end_text_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_CHART_H_
