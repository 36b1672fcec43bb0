// Axis scales shared by every plot and chart: "nice" tick positions (steps of
// 1, 2 or 5 times a power of ten) and ranges widened to whole steps.
#ifndef TELVANE_STORAGE_CHART_AXIS_TICKS_H_
#define TELVANE_STORAGE_CHART_AXIS_TICKS_H_

#include <vector>

namespace telvane {

// The step of 1, 2 or 5 times a power of ten that puts at most `max_ticks`
// ticks on `low`..`high`; 0 when the range or count cannot have ticks.
double AxisStep(double low, double high, int max_ticks);

// Tick positions for an axis from `low` to `high`: steps of 1, 2 or 5 times a
// power of ten, at most `max_ticks` of them.
std::vector<double> AxisTicks(double low, double high, int max_ticks);

struct AxisRange {
  double low = 0;
  double high = 1;
  bool operator==(const AxisRange&) const = default;
};

// `range` widened outwards to whole steps of the tick step for `max_ticks`
// ticks (the widened range gets at most `max_ticks` + 2 of them). A range of
// one value is widened to a unit around it first; a non-finite one becomes
// 0..1.
AxisRange NiceRange(AxisRange range, int max_ticks);

}  // namespace telvane

#endif  // TELVANE_STORAGE_CHART_AXIS_TICKS_H_
