#include "storage/trace/plot/reflections.h"

#include <algorithm>
#include <cmath>

namespace telvane {
namespace {

struct Extremum {
  int first = 0;  // a plateau of equal values counts once
  int last = 0;
};

// Local maxima of `a`, plateaus merged. A maximum at the last sample is cut
// off by the end of the trace and does not count; one at the first sample
// counts only when `from_start` (the launch pulse).
std::vector<Extremum> LocalMaxima(std::span<const double> a, bool from_start) {
  std::vector<Extremum> found;
  const int n = static_cast<int>(a.size());
  int i = 0;
  while (i < n) {
    int j = i;
    while (j + 1 < n && a[j + 1] == a[i]) ++j;
    const bool left_lower = i == 0 ? from_start : a[i - 1] < a[i];
    const bool right_lower = j < n - 1 && a[j + 1] < a[i];
    if (left_lower && right_lower) found.push_back({i, j});
    i = j + 1;
  }
  return found;
}

// Height of the maximum at [e.first, e.last] above the higher of the lowest
// points between it and a higher sample on each side, looking at most `reach`
// samples away (so that a dip is measured against the line around it, not
// against the launch pulse far away).
double Prominence(std::span<const double> a, const Extremum& e, int reach) {
  const double top = a[e.first];
  double left_min = top;
  for (int i = e.first - 1; i >= 0 && i >= e.first - reach && a[i] <= top; --i) {
    left_min = std::min(left_min, a[i]);
  }
  double right_min = top;
  const int n = static_cast<int>(a.size());
  for (int i = e.last + 1; i < n && i <= e.last + reach && a[i] <= top; ++i) {
    right_min = std::min(right_min, a[i]);
  }
  // The launch pulse has only the side that falls away.
  if (e.first == 0) return top - right_min;
  return top - std::max(left_min, right_min);
}

// How far around an extremum its base is looked for: a twentieth of the
// trace, at least 5 samples.
int Reach(size_t samples) { return std::max(5, static_cast<int>(samples / 20)); }

void Collect(std::span<const double> a, double sign, Slope slope, double metres_per_sample,
             double threshold, std::vector<Reflection>& out) {
  const int reach = Reach(a.size());
  for (const Extremum& e : LocalMaxima(a, slope == Slope::kRising)) {
    // A level held longer than the reach is the line between events.
    if (e.last - e.first + 1 > reach) continue;
    const double prominence = Prominence(a, e, reach);
    if (prominence < threshold) continue;
    Reflection r;
    r.sample = (e.first + e.last) / 2;
    r.distance_m = r.sample * metres_per_sample;
    r.amplitude = sign * a[r.sample];
    r.prominence = prominence;
    r.slope = slope;
    out.push_back(r);
  }
}

}  // namespace

std::vector<Reflection> FindReflections(std::span<const double> amplitude, double metres_per_sample,
                                        double threshold) {
  std::vector<Reflection> found;
  if (amplitude.size() < 2 || !(threshold > 0)) return found;
  for (double v : amplitude) {
    if (!std::isfinite(v)) return found;
  }
  Collect(amplitude, 1, Slope::kRising, metres_per_sample, threshold, found);
  std::vector<double> mirrored(amplitude.begin(), amplitude.end());
  for (double& v : mirrored) v = -v;
  Collect(mirrored, -1, Slope::kFalling, metres_per_sample, threshold, found);
  std::sort(found.begin(), found.end(),
            [](const Reflection& x, const Reflection& y) { return x.sample < y.sample; });
  // The launch pulse: a first peak within the leading sixteenth of the trace.
  const int lead = std::max<int>(3, static_cast<int>(amplitude.size() / 16));
  if (!found.empty() && found.front().slope == Slope::kRising && found.front().sample <= lead) {
    found.front().launch = true;
  }
  Reflection* largest = nullptr;
  for (Reflection& r : found) {
    if (!r.launch && (!largest || r.prominence > largest->prominence)) largest = &r;
  }
  if (largest) largest->likely_end = true;
  return found;
}

const char* SlopeName(Slope slope) { return slope == Slope::kRising ? "Rising" : "Falling"; }

}  // namespace telvane
