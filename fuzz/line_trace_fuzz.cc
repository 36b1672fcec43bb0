// Feeds arbitrary instrument bytes to the line tester's reflectogram reader:
// the record, its panel, its cable block and its trace for the plot, whose
// samples must stay within 0 … 63 and whose scale must be usable.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "testers/line/line_traces.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < kLineTraceSize) return 0;
  std::array<uint8_t, kLineTraceSize> bytes{};
  std::copy_n(data, kLineTraceSize, bytes.begin());
  const LineTrace trace = LineTrace::FromWire(bytes);
  (void)trace.Panel();
  (void)trace.Line(1);
  if (trace.Block().velocity_factor() < 1.0f) std::abort();
  const PlotTrace plot = trace.Plot("fuzz");
  for (double a : plot.amplitude) {
    if (a < 0 || a > 63) std::abort();
  }
  if (!std::isfinite(plot.scale.MetresPerSample()) || plot.scale.MetresPerSample() <= 0) {
    std::abort();
  }
  return 0;
}
