#include "testers/e1/e1_chart.h"

#include <algorithm>
#include <cmath>

#include "testers/e1/e1_intervals.h"
#include "testers/e1/e1_summary.h"

namespace telvane {
namespace {

double LogShare(uint64_t value, uint64_t largest) {
  if (largest == 0) return 0.0;
  return std::log10(1.0 + static_cast<double>(value)) /
         std::log10(1.0 + static_cast<double>(largest));
}

}  // namespace

E1ChartModel::E1ChartModel(const E1File& file, int selected) : selected_(selected) {
  uint64_t previous_end = 0;
  for (size_t i = 0; i < file.records.size(); ++i) {
    const E1Interval in = IntervalOf(file.records, i);
    E1ChartBar bar;
    // A record whose elapsed time went back starts where the one before ended.
    bar.end = std::max<uint64_t>(file.records[i].counter(E1Record::kElapsed), previous_end);
    bar.begin = previous_end;
    for (int c = E1Record::kCode; c <= E1Record::kEbit; ++c) bar.errors += in.count[c];
    for (int c = E1Record::kLos; c <= E1Record::kLss; ++c) bar.alarm_seconds += in.count[c];
    previous_end = bar.end;
    max_errors_ = std::max(max_errors_, bar.errors);
    max_alarms_ = std::max(max_alarms_, bar.alarm_seconds);
    bars_.push_back(bar);
  }
  total_ = previous_end;
  start_text_ = E1DateTimeText(file.header.start());
  end_text_ = E1DateTimeText(E1End(file));
  if (selected_ >= static_cast<int>(bars_.size())) selected_ = -1;
}

double E1ChartModel::X(uint64_t seconds) const {
  if (total_ == 0) return 0.0;
  return static_cast<double>(std::min(seconds, total_)) / static_cast<double>(total_);
}

double E1ChartModel::ErrorHeight(size_t bar) const {
  return bar < bars_.size() ? LogShare(bars_[bar].errors, max_errors_) : 0.0;
}

double E1ChartModel::AlarmHeight(size_t bar) const {
  return bar < bars_.size() ? LogShare(bars_[bar].alarm_seconds, max_alarms_) : 0.0;
}

}  // namespace telvane
