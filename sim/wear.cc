// The armour-wear meter (kind 8, docs/wear.md): 0x40 the 14-byte information
// record (floats and 16-bit values most significant byte first), confirmed
// with the complement of its byte 8; 0x41 the stored series, one wear byte per
// measurement in one record, confirmed with the complement of its first byte.
#include <cstdio>
#include <cstring>
#include <vector>

#include "registry.h"
#include "session.h"

namespace sim {
namespace {

void PutFloatBe(uint8_t* p, float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(bits >> (24 - 8 * i));
}

// Checks the confirmation; one cut short by the program's purge before its
// next command gives that command back to the command loop.
void Expect(Session& s, const char* what, const std::optional<uint8_t>& answer, uint8_t expected) {
  if (!answer) {
    std::fprintf(stderr, "sim: %s not confirmed\n", what);
    return;
  }
  if (*answer == expected && s.last_reply_sum_ok()) return;
  std::fprintf(stderr, "sim: %s confirmed with %02X, expected %02X\n", what, *answer, expected);
  if (s.GiveBackCommand()) std::fprintf(stderr, "sim: taken as the next command\n");
}

void Information(Session& s) {
  const unsigned count = static_cast<unsigned>(s.config().wear_count);
  uint8_t data[14] = {};
  PutFloatBe(&data[0], 812.5f);
  PutFloatBe(&data[4], 406.25f);
  data[8] = 50;
  data[9] = static_cast<uint8_t>(count >> 8);
  data[10] = static_cast<uint8_t>(count);
  data[11] = 0x05;  // 1500 m
  data[12] = 0xDC;
  data[13] = 0;  // interval not set: the program shows 10
  Expect(s, "wear information", s.SendRecord(data, std::nullopt, 1),
         static_cast<uint8_t>(~data[8]));
}

// A wear profile along the cable: a slow rise with a few worn spots.
void Series(Session& s) {
  const int count = s.config().wear_count;
  if (count == 0) return;
  std::vector<uint8_t> series(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    int wear = 5 + i * 40 / count + (i * 37 % 11);
    if (i % 97 == 50) wear = 95;
    series[static_cast<size_t>(i)] = static_cast<uint8_t>(wear > 100 ? 100 : wear);
  }
  Expect(s, "wear series", s.SendRecord(series, std::nullopt, 1), static_cast<uint8_t>(~series[0]));
}

const CommandRegistrar kInformation(8, 0x40, Information);
const CommandRegistrar kSeries(8, 0x41, Series);

}  // namespace
}  // namespace sim
