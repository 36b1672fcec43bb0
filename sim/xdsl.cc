// The xDSL tester inside kinds 11, 12 and 16: code 0x6B sends the list of its
// stored logs as one record (n entries, n = --xdsl-logs, announced in byte 14
// of the database information), confirmed by the program with the complement
// of n; code 0x6C receives the 2-byte position of a log (high byte first),
// confirms it with the complement of its low byte, and sends the log, which
// the program confirms the same way.
//
// The layouts follow the firmware (--firmware):
//   A  below 10.004 (except 8.03 up to 9): 82-byte entries, 1536-byte logs
//   B  10.004 up to 10.006: 90 / 1680
//   C  10.006 up to 10.009, and 8.03 up to 9: 93 / 1680 (1536 below 10.004)
//   D  10.009 up to 10.11: 104 / 1680
//   E  from 10.11: 117 / 1648
// Values travel most significant byte first. The logs hold a bit loading that
// falls with frequency, noise with some bins beyond -160 dBm/Hz, and counters;
// log 1 has a NaN counter and, in band E, log 0 has no CRC frames (a zero
// divisor in the ratios).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "registry.h"
#include "session.h"

namespace sim {
namespace {

struct Band {
  char letter;
  size_t entry;
  size_t log;
};

Band BandOf(float v) {
  if (v >= 8.03f && v < 9.0f) return {'C', 93, 1536};
  if (v < 10.004f) return {'A', 82, 1536};
  if (v < 10.006f) return {'B', 90, 1680};
  if (v < 10.009f) return {'C', 93, 1680};
  if (v < 10.11f) return {'D', 104, 1680};
  return {'E', 117, 1648};
}

void PutBe32Float(float value, uint8_t* out) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, 4);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(bits >> (24 - 8 * i));
}

std::vector<uint8_t> Entry(const Band& band, int index) {
  std::vector<uint8_t> e(band.entry, 0);
  // "Лог " in CP1251, then the number.
  const uint8_t prefix[] = {0xCB, 0xEE, 0xE3, ' '};
  std::memcpy(e.data(), prefix, sizeof prefix);
  std::snprintf(reinterpret_cast<char*>(&e[4]), 37, "%02d", index + 1);
  static const char* const kModes[] = {"ADSL", "ADSL2", "ADSL2+", "RE-ADSL2", "G.DMT"};
  size_t down = 42;
  switch (band.letter) {
    case 'A':
      e[41] = static_cast<uint8_t>(index % 6);  // 5: an unknown mode
      down = 42;
      break;
    case 'B':
      std::snprintf(reinterpret_cast<char*>(&e[41]), 9, "%s", kModes[index % 5]);
      down = 50;
      break;
    case 'C':
      std::snprintf(reinterpret_cast<char*>(&e[44]), 9, "%s", kModes[index % 5]);
      down = 53;
      break;
    default:
      std::snprintf(reinterpret_cast<char*>(&e[44]), 20, "%s", kModes[index % 5]);
      down = 64;
      break;
  }
  if (band.letter >= 'C') {
    e[41] = 26;
    e[42] = 12;
    e[43] = static_cast<uint8_t>(1 + index % 28);
  }
  const float down_values[5] = {12.5f + index, 32.0f, 19.5f, 8128.0f - 64 * index, 7616.0f};
  const float up_values[5] = {9.5f, 18.5f, 12.0f, 1024.0f, 992.0f - 32 * index};
  for (int i = 0; i < 5; ++i) {
    PutBe32Float(down_values[i], &e[down + 4 * i]);
    PutBe32Float(up_values[i], &e[down + 20 + 4 * i]);
  }
  if (band.letter == 'E') {
    e[104] = 0x01;  // 480 carriers, high byte first
    e[105] = 0xE0;
    std::snprintf(reinterpret_cast<char*>(&e[106]), 11, "%02d:%02d:%02d", index % 24, 15, 42);
  }
  return e;
}

std::vector<uint8_t> Log(const Band& band, int index) {
  std::vector<uint8_t> log(band.log, 0);
  for (int bin = 0; bin < 512; ++bin) {
    // Upstream tones 6..31, downstream 33..511, loading falls with frequency.
    const bool used = (bin >= 6 && bin < 32) || (bin >= 33 && bin < 480 - 20 * index);
    const int snr = used ? std::max(0, 52 - bin / 10 - (bin % 7)) : 0;
    const int bits = used ? std::min(15, std::max(0, (snr - 6) / 3)) : 0;
    int noise = 150 - bin / 8 + (bin % 5);
    if (bin < 6 || bin % 97 == 0) noise = 200;  // beyond -160 dBm/Hz
    log[bin] = static_cast<uint8_t>(std::clamp(noise, 0, 255));
    log[512 + bin] = static_cast<uint8_t>(snr);
    log[1024 + bin] = static_cast<uint8_t>(bits);
  }
  for (size_t offset = 1536; offset + 4 <= band.log; offset += 4) {
    float value = static_cast<float>((offset - 1536) / 4 * 17 + index * 3);
    if (index == 1 && offset == 1564) value = std::numeric_limits<float>::quiet_NaN();
    if (band.log == 1648 && index == 0 && offset == 1536) value = 0.0f;
    if (band.log == 1680 && offset == 1616) value = 90061.0f + index;
    PutBe32Float(value, &log[offset]);
  }
  return log;
}

void SendList(Session& s) {
  const Band band = BandOf(s.config().firmware);
  const int count = s.config().xdsl_logs;
  std::vector<uint8_t> list;
  for (int i = 0; i < count; ++i) {
    const std::vector<uint8_t> e = Entry(band, i);
    list.insert(list.end(), e.begin(), e.end());
  }
  const auto answer = s.SendRecord(list);
  const uint8_t expected = static_cast<uint8_t>(~count);
  if (answer != expected && s.GiveBackCommand()) {
    std::fprintf(stderr, "sim: xDSL list unconfirmed; next command taken\n");
  } else if (answer != expected) {
    std::fprintf(stderr, "sim: xDSL list confirmed with %d, not %d\n", answer ? *answer : -1,
                 expected);
  }
}

void SendLog(Session& s) {
  const auto position =
      s.ReceiveRecord(2, [](const std::vector<uint8_t>& d) { return static_cast<uint8_t>(~d[1]); });
  if (!position) {
    std::fprintf(stderr, "sim: no xDSL log position\n");
    return;
  }
  const int index = (*position)[0] << 8 | (*position)[1];
  if (index >= s.config().xdsl_logs) {
    std::fprintf(stderr, "sim: xDSL log %d does not exist\n", index);
    return;
  }
  const auto answer = s.SendRecord(Log(BandOf(s.config().firmware), index));
  const uint8_t expected = static_cast<uint8_t>(~(*position)[1]);
  if (answer != expected && s.GiveBackCommand()) {
    std::fprintf(stderr, "sim: xDSL log unconfirmed; next command taken\n");
  } else if (answer != expected) {
    std::fprintf(stderr, "sim: xDSL log confirmed with %d, not %d\n", answer ? *answer : -1,
                 expected);
  }
}

const CommandRegistrar kList11(11, 0x6B, SendList);
const CommandRegistrar kList12(12, 0x6B, SendList);
const CommandRegistrar kList16(16, 0x6B, SendList);
const CommandRegistrar kLog11(11, 0x6C, SendLog);
const CommandRegistrar kLog12(12, 0x6C, SendLog);
const CommandRegistrar kLog16(16, 0x6C, SendLog);

}  // namespace
}  // namespace sim
