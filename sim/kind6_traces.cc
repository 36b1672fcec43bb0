// Kind 6 reflectograms. Each trace is a line seen by the meter's pulse: the
// launch pulse at the start, one joint (a tap lowers the signal, a joint of
// higher impedance raises it), the far end open (a rise) or short (a fall),
// over a baseline with a little noise. Where the events lie follows from the
// entry: a sample covers range / (stretch × samples) metres, the stretch being
// the range over the shown window (the meter's tables below).
//
// Entry bytes: 0 cable, 1-6 year-2000 month day hour minute second, 7 range
// index, 8 pulse index, 9 gain index, 10 window index, 11 u16 samples, 13 s16
// k × 1000, 15 and 17 s16 cursors (sample indices), 19 averaging, 20 name
// (21 bytes, CP1251, zero-ended); the rest zero.
#include "kind6_traces.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "cable_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

constexpr int kSamples = 128;
constexpr int kRangeMetres[] = {100, 200, 500, 1000, 2000, 5000, 10000, 20000};
constexpr int kVelocity = 1500;  // k = 1.5
constexpr int kBaseline = 60;

struct Line {
  int range_index;
  int window_index;
  double joint_m;
  int joint_height;  // negative: a tap
  double end_m;
  int end_height;  // positive: open, negative: short
};

// Three lines, taken in turn by the reflectograms.
constexpr Line kLines[] = {
    {3, 3, 300, -35, 750, 90},   // 1000 m, stretch 1: a tap, the end open
    {4, 3, 200, -35, 900, -50},  // 2000 m, stretch 2: a tap, the end short
    {5, 5, 1200, 35, 3500, 90},  // 5000 m, stretch 1: a joint, the end open
};

const Line& LineOf(int index) { return kLines[index % 3]; }

int SampleAt(const Line& line, double metres) {
  const double range = kRangeMetres[line.range_index];
  const double stretch = range / kRangeMetres[line.window_index];
  return static_cast<int>(std::lround(metres / (range / (stretch * kSamples))));
}

}  // namespace

std::array<uint8_t, 65> Kind6TraceEntry(int index, int cables) {
  const Line& line = LineOf(index);
  std::array<uint8_t, 65> e{};
  e[0] = static_cast<uint8_t>(cables > 0 ? index % cables : 0);
  const uint8_t date[6] = {
      26, 12, static_cast<uint8_t>(1 + index % 28), 10, static_cast<uint8_t>(5 + index % 50), 7};
  std::memcpy(&e[1], date, 6);
  e[7] = static_cast<uint8_t>(line.range_index);
  e[8] = 3;  // 100 ns
  e[9] = 2;  // 12 dB
  e[10] = static_cast<uint8_t>(line.window_index);
  PutLe16(&e[11], kSamples);
  PutLe16(&e[13], kVelocity);
  PutLe16(&e[15], static_cast<unsigned>(SampleAt(line, line.joint_m)));
  PutLe16(&e[17], static_cast<unsigned>(SampleAt(line, line.end_m)));
  e[19] = 16;
  // "Линия-N" in CP1251.
  std::snprintf(reinterpret_cast<char*>(&e[20]), 21, "\xCB\xE8\xED\xE8\xFF-%d", index + 1);
  return e;
}

std::vector<uint8_t> Kind6TraceSamples(int index) {
  const Line& line = LineOf(index);
  std::vector<double> v(kSamples);
  unsigned noise = 12345u + static_cast<unsigned>(index);
  for (double& s : v) {
    noise = noise * 1103515245u + 12345u;
    s = kBaseline + static_cast<int>((noise >> 16) % 3) - 1;  // baseline +-1
  }
  const double launch[] = {250, 210, 150, 95, 70};
  for (int i = 0; i < 5; ++i) v[i] = launch[i];
  auto pulse = [&](double metres, int height) {
    const int at = SampleAt(line, metres);
    const double shape[3] = {0.5, 1, 0.5};
    for (int j = -1; j <= 1; ++j) {
      if (at + j >= 0 && at + j < kSamples) v[at + j] += height * shape[j + 1];
    }
  };
  pulse(line.joint_m, line.joint_height);
  pulse(line.end_m, line.end_height);
  std::vector<uint8_t> out(kSamples);
  for (int i = 0; i < kSamples; ++i) {
    out[i] = static_cast<uint8_t>(std::lround(std::fmin(255, std::fmax(0, v[i]))));
  }
  return out;
}

namespace {

// Code 0x17: the reflectogram number in a confirmed block, then address,
// samples and sum, confirmed with the complement of the first sample.
void SendTrace(Session& s) {
  const auto block = s.ReceiveRecord(1, [](const std::vector<uint8_t>& d) {
    return static_cast<uint8_t>(~(d.empty() ? 0 : d[0]));
  });
  if (!block) return;
  const int index = (*block)[0];
  if (index >= s.config().reflectograms) {
    std::fprintf(stderr, "sim: no reflectogram %d\n", index);
    return;
  }
  const std::vector<uint8_t> samples = Kind6TraceSamples(index);
  const auto answer = s.SendRecord(samples, std::nullopt, 1);
  if (!answer || *answer != static_cast<uint8_t>(~samples[0])) {
    std::fprintf(stderr, "sim: trace not confirmed\n");
  }
}

const CommandRegistrar kSendTrace(6, 0x17, SendTrace);

}  // namespace
}  // namespace sim
