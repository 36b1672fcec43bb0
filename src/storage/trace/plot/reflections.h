// The reflections of a trace: every local extremum that stands out of the
// noise by at least a threshold.
//
// A peak (a rise and fall back: an open end, a joint with higher impedance) or
// a dip (a fall and rise back: a short, a tap) counts when its prominence —
// its height above the higher of the two lowest points that separate it from
// a higher peak on either side, looking no further than a twentieth of the
// trace (at least 5 samples) each way; for a dip, mirrored — reaches the
// threshold. A plateau wider than that reach is a level, not a reflection.
// A first peak within the leading sixteenth of the trace (at least 3 samples)
// is the launch pulse; it is listed but never taken for the line's end. Of the others the one of
// largest prominence is flagged as the likely end of the cable or the fault.
#ifndef TELVANE_STORAGE_TRACE_PLOT_REFLECTIONS_H_
#define TELVANE_STORAGE_TRACE_PLOT_REFLECTIONS_H_

#include <span>
#include <vector>

namespace telvane {

enum class Slope { kRising, kFalling };

struct Reflection {
  int sample = 0;
  double distance_m = 0;
  double amplitude = 0;   // at the extremum
  double prominence = 0;  // how far it stands out
  Slope slope = Slope::kRising;
  bool launch = false;      // the launch pulse at the start of the trace
  bool likely_end = false;  // the largest reflection after the launch
};

// `amplitude`: larger is a stronger signal. Reflections in sample order.
std::vector<Reflection> FindReflections(std::span<const double> amplitude, double metres_per_sample,
                                        double threshold);

// "Rising"/"Falling" as the lists print them.
const char* SlopeName(Slope slope);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_REFLECTIONS_H_
