// The commands that the program's search sends right after the
// synchronisation (the initial transfer of kind 4; those of kinds 6 and 7
// are served from the cable database in cable_meters.cc, kind 9's from
// kind9_database.cc), and the data-flash reader's one big record, with
// generated but plausible contents.
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "registry.h"
#include "session.h"

namespace sim {
namespace {

void PutLe16(uint8_t* out, unsigned v) {
  out[0] = static_cast<uint8_t>(v);
  out[1] = static_cast<uint8_t>(v >> 8);
}
void PutLe32(uint8_t* out, unsigned long v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(v >> (8 * i));
}

// CP1251 text, written as bytes: "Кабель-" and "РФГ-".
constexpr uint8_t kCable[] = {0xCA, 0xE0, 0xE1, 0xE5, 0xEB, 0xFC, '-'};
constexpr uint8_t kReflectogram[] = {0xD0, 0xD4, 0xC3, '-'};

template <size_t N>
void PutName(uint8_t* out, const uint8_t (&prefix)[N], int number) {
  std::memcpy(out, prefix, N);
  std::snprintf(reinterpret_cast<char*>(out + N), 12, "%d", number);
}

void Report(const char* what, std::optional<uint8_t> confirmation, uint8_t expected) {
  if (!confirmation) {
    std::fprintf(stderr, "sim: %s not confirmed\n", what);
  } else if (*confirmation != expected) {
    std::fprintf(stderr, "sim: %s confirmed with %02X, expected %02X\n", what, *confirmation,
                 expected);
  }
}

// Kind 4, code 0x20: maximum and current number of planned-measurement
// entries, and a third byte.
void PlannedCounters(Session& s) {
  const uint8_t data[3] = {200, static_cast<uint8_t>(s.config().cables * 12), 5};
  Report("counters", s.SendRecord(data), static_cast<uint8_t>(~data[1]));
}

// Kind 15, code 1: the whole 1 MiB flash image in one record, confirmed with
// the complement of 254.
void FlashImage(Session& s) {
  std::vector<uint8_t> image(1048576);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + (i >> 11));
  Report("flash image", s.SendRecord(image), static_cast<uint8_t>(~254));
}

const CommandRegistrar kPlanned(4, 0x20, PlannedCounters);
const CommandRegistrar kFlash(15, 0x01, FlashImage);

}  // namespace
}  // namespace sim
