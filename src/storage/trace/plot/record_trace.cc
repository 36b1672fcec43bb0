#include "storage/trace/plot/record_trace.h"

#include <algorithm>
#include <cmath>

namespace telvane {

PlotTrace TraceFromRecord(const ReflectogramRecord& record, int sample_count,
                          const CableBlock& block, double range_m, double stretch,
                          std::string label) {
  PlotTrace trace;
  trace.label = std::move(label);
  const int n = std::clamp(sample_count, 0, record.sample_capacity());
  trace.amplitude.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) trace.amplitude.push_back(63.0 - record.sample(i));
  const TraceSettings settings = record.settings();
  trace.cursor1 = settings.curs1;
  trace.cursor2 = settings.curs2;
  const float k = block.velocity_factor();
  trace.scale.range_m = range_m;
  trace.scale.stretch = stretch;
  trace.scale.k = std::isfinite(k) && k > 0 ? k : 1.0;
  trace.scale.samples = n;
  return trace;
}

}  // namespace telvane
