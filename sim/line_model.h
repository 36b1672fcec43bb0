// Traces of the simulated reflectometers made from a model of a line: the
// launch pulse, a joint (a dip and a bump), the far end (a rise when open, a
// fall when shorted) and noise, at the sample positions that the range, the
// stretch and the velocity factor k give for the distances:
//   metres per sample = range / (samples * stretch * k).
// Samples are 0..63 with 0 the largest amplitude, as the instruments store them.
#ifndef TELVANE_SIM_LINE_MODEL_H_
#define TELVANE_SIM_LINE_MODEL_H_

#include <cstdint>
#include <vector>

namespace sim {

struct Line {
  double range_m = 1000;  // from the family's scale table, k = 1
  double stretch = 1;
  double k = 1.5;
  double joint_m = 300;  // 0: no joint
  double end_m = 750;
  bool open_end = true;
  unsigned noise_seed = 1;
};

// The sample index where `metres` lies.
int SampleAt(const Line& line, double metres, int samples);
std::vector<uint8_t> TraceSamples(const Line& line, int samples);

}  // namespace sim

#endif  // TELVANE_SIM_LINE_MODEL_H_
