#include "line_traces.h"

#include <cstdio>
#include <cstring>

#include "line_model.h"

namespace sim {
namespace {

void Le16(uint8_t* p, unsigned v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

std::vector<uint8_t> LineTraceRecord(int index) {
  // Three lines: a long pair with a joint and an open end, a shorter one
  // shorted at its end, and one without a joint.
  Line line;
  line.range_m = index % 3 == 1 ? 500 : 1000;
  line.k = 1.5 + 0.05 * (index % 3);
  line.joint_m = index % 3 == 2 ? 0 : 180 + 40 * index;
  line.end_m = index % 3 == 1 ? 260 : 620 + 30 * index;
  line.open_end = index % 3 != 1;
  line.noise_seed = static_cast<unsigned>(17 + index);
  std::vector<uint8_t> r(177, 0);
  std::snprintf(reinterpret_cast<char*>(r.data()), 17, "Pair %d", index + 1);
  r[17] = 26;  // 2026
  r[18] = 12;
  r[19] = static_cast<uint8_t>(1 + index % 28);
  Le16(&r[20], index % 3 == 1 ? 100 : 500);             // pulse, ns
  Le16(&r[24], static_cast<unsigned>(line.range_m));    // range, m
  Le16(&r[26], 1);                                      // stretch
  Le16(&r[28], 16);                                     // averaging
  Le16(&r[30], static_cast<unsigned>(20 + 6 * index));  // gain, dB
  const int end = SampleAt(line, line.end_m, 128);
  Le16(&r[32], 4);                                             // cursor 1: after the launch
  Le16(&r[34], static_cast<unsigned>(end < 128 ? end : 127));  // cursor 2: the end
  const std::vector<uint8_t> samples = TraceSamples(line, 128);
  std::memcpy(&r[45], samples.data(), samples.size());
  const float k = static_cast<float>(line.k);
  std::memcpy(&r[173], &k, 4);
  return r;
}

}  // namespace sim
