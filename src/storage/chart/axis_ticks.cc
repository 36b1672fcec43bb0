#include "storage/chart/axis_ticks.h"

#include <cmath>

namespace telvane {

double AxisStep(double low, double high, int max_ticks) {
  if (!std::isfinite(low) || !std::isfinite(high) || high <= low || max_ticks < 2) return 0;
  const double raw = (high - low) / (max_ticks - 1);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (power * m >= raw) return power * m;
  }
  return power * 10;
}

std::vector<double> AxisTicks(double low, double high, int max_ticks) {
  std::vector<double> ticks;
  const double step = AxisStep(low, high, max_ticks);
  if (step <= 0) return ticks;
  const double first = std::ceil(low / step) * step;
  for (int i = 0; i < max_ticks + 1; ++i) {
    const double v = first + i * step;
    if (v > high + step * 1e-9) break;
    ticks.push_back(std::fabs(v) < step * 1e-9 ? 0 : v);
  }
  return ticks;
}

AxisRange NiceRange(AxisRange range, int max_ticks) {
  if (!std::isfinite(range.low) || !std::isfinite(range.high)) return {};
  if (range.high < range.low) std::swap(range.low, range.high);
  if (range.high == range.low) {
    const double half = range.low == 0 ? 0.5 : std::fabs(range.low) * 0.5;
    range = {range.low - half, range.high + half};
  }
  const double step = AxisStep(range.low, range.high, max_ticks);
  if (step <= 0) return range;
  // Values already on a step stay the ends (a little slack for rounding).
  const double low = std::floor(range.low / step + 1e-9) * step;
  const double high = std::ceil(range.high / step - 1e-9) * step;
  return {std::fabs(low) < step * 1e-9 ? 0 : low, std::fabs(high) < step * 1e-9 ? 0 : high};
}

}  // namespace telvane
