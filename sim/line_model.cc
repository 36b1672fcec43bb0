#include "line_model.h"

#include <algorithm>
#include <cmath>

namespace sim {

int SampleAt(const Line& line, double metres, int samples) {
  const double per_sample = line.range_m / (samples * line.stretch * line.k);
  return static_cast<int>(std::lround(metres / per_sample));
}

std::vector<uint8_t> TraceSamples(const Line& line, int samples) {
  // Work in amplitudes (63 the largest), then store 63 - amplitude.
  std::vector<double> amplitude(static_cast<size_t>(samples), 0.0);
  const int joint = line.joint_m > 0 ? SampleAt(line, line.joint_m, samples) : -1;
  const int end = SampleAt(line, line.end_m, samples);
  unsigned state = line.noise_seed * 2654435761u + 1;
  for (int i = 0; i < samples; ++i) {
    // A baseline that falls slowly with distance, lower again after the end.
    double a = i < end ? 24.0 - 6.0 * i / samples : 12.0;
    // The launch pulse: full amplitude, then back to the baseline.
    if (i < 3) a = 63.0;
    if (i == 3) a = 44.0;
    if (i == 4) a = 32.0;
    if (joint > 4 && i == joint) a -= 9.0;
    if (joint > 4 && i == joint + 1) a += 7.0;
    if (i >= end && i < end + 3) {
      const double shape[3] = {1.0, 0.7, 0.3};
      a += (line.open_end ? 28.0 : -10.0) * shape[i - end];
    }
    state = state * 1103515245u + 12345u;
    a += static_cast<double>((state >> 16) % 3) - 1.0;  // noise of +-1
    amplitude[static_cast<size_t>(i)] = std::clamp(a, 0.0, 63.0);
  }
  std::vector<uint8_t> out(static_cast<size_t>(samples));
  for (int i = 0; i < samples; ++i) {
    out[static_cast<size_t>(i)] =
        static_cast<uint8_t>(63 - static_cast<int>(std::lround(amplitude[static_cast<size_t>(i)])));
  }
  return out;
}

}  // namespace sim
