#include "storage/trace/plot/trace_scale.h"

#include <algorithm>
#include <cmath>

namespace telvane {

double TraceScale::MetresPerSample(double view_k) const {
  if (samples <= 0 || range_m <= 0 || !std::isfinite(range_m)) return 0;
  const double s = std::isfinite(stretch) && stretch > 1 ? stretch : 1;
  const double recorded = std::isfinite(k) && k > 0 ? k : 1;
  const double viewing = std::isfinite(view_k) && view_k > 0 ? view_k : recorded;
  return range_m / (s * samples) * recorded / viewing;
}

int TraceScale::NearestSample(double metres, double view_k) const {
  if (samples <= 0) return 0;
  const double step = MetresPerSample(view_k);
  if (step <= 0 || !std::isfinite(metres)) return 0;
  const double index = std::round(metres / step);
  return static_cast<int>(std::clamp(index, 0.0, static_cast<double>(samples - 1)));
}

}  // namespace telvane
