// The planned measurements of the simulated families with 435-byte cable
// blocks (kinds 11, 12, 16) and 233-byte cable records (kind 14), as
// docs/family-435.md and docs/family-233.md describe them:
//   0x69 (kinds 11, 12, 16)  one record of 64064 bytes per cable, record i
//        confirmed with the complement of i: version f32 (8.027, so the
//        cable's limit applies), insulation limit L f32 (kΩ), the name of the
//        planned measurements [41], day, month, year − 2000, 12 reserved
//        bytes, then 2000 pairs of eight floats (insulation A–C, B–C, A–B,
//        capacitance A–C, B–C, A–B, loop resistance, Rа)
//   5 (kind 14)  a cable number (index u16, 0), then that cable's record of
//        48016 bytes: version f32 (8.0: the fixed limit), L f32, 8 reserved
//        bytes, 2000 pairs of six floats
// Pairs beyond the cable's pair count carry the pair-not-measured marker.
// Among the measured pairs some carry a marker in one value, some lie above
// the range or the limit; no value is NaN.
#include <cstdio>
#include <cstring>
#include <vector>

#include "cable_db.h"
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

constexpr float kPairNotMeasured = -2850000128.0f;
constexpr float kValueNotMeasured = -1050000000.0f;
constexpr int kSlots = 2000;

// Insulation values (kΩ) that walk through every row of the formatter; the
// last lies above every cable's limit.
constexpr float kInsulations[] = {85.0f,     999.0f,     5500.0f,     42000.0f,
                                  250000.0f, 3500000.0f, 25000000.0f, 60000000.0f};

// The eight values of pair p of cable c, in the order of the record.
std::vector<float> PairValues(int c, int p) {
  const float cap = 42.0f + static_cast<float>(p % 7) * 0.8f + static_cast<float>(c) * 0.5f;
  std::vector<float> v = {
      kInsulations[p % 8],
      kInsulations[(p + 3) % 8],
      kInsulations[(p + 5) % 8],
      p % 97 == 5 ? kPairNotMeasured : cap,
      cap + 1.1f,
      p % 61 == 11 ? 2100.0f : cap + 0.6f,
      p % 50 == 7 ? 999.95f : (p % 50 == 8 ? 1000.0f : 180.0f + static_cast<float>(p % 40) * 0.37f),
      0.5f + static_cast<float>(p % 10) * 0.1f,
  };
  if (p % 131 == 9) v[1] = kValueNotMeasured;
  return v;
}

std::vector<uint8_t> PlannedRecord(bool large, int c, int pairs) {
  const size_t head = large ? 64 : 16;
  const size_t pair_size = large ? 32 : 24;
  const int values = large ? 8 : 6;
  std::vector<uint8_t> r(head + kSlots * pair_size, 0);
  PutFloatLe(&r[0], large ? 8.027f : 8.0f);
  PutFloatLe(&r[4], 10000000.0f + 5000000.0f * static_cast<float>(c));
  if (large) {
    char name[41];
    std::snprintf(name, sizeof name, "\xCF\xEB\xE0\xED-%d", c + 1);  // План-c
    std::memcpy(&r[8], name, std::strlen(name));
    r[49] = static_cast<uint8_t>(3 + c);  // day
    r[50] = 11;                           // month
    r[51] = 26;                           // 2026
  }
  for (int p = 0; p < kSlots; ++p) {
    const std::vector<float> v =
        p < pairs ? PairValues(c, p) : std::vector<float>(8, kPairNotMeasured);
    for (int i = 0; i < values; ++i) {
      PutFloatLe(&r[head + pair_size * static_cast<size_t>(p) + 4 * static_cast<size_t>(i)],
                 v[static_cast<size_t>(i)]);
    }
  }
  return r;
}

bool SendConfirmed(Session& s, const std::vector<uint8_t>& record, uint8_t expected) {
  const std::optional<uint8_t> answer = s.SendRecord(record);
  if (answer == expected) return true;
  if (!s.GiveBackCommand()) {
    std::fprintf(stderr, "sim: planned record confirmed with %d, expected %d\n",
                 answer ? *answer : -1, expected);
  }
  return false;
}

void SendPlanned435(Session& s) {
  const ReflDb& db = ReflDatabase(kNewer, s.config());
  for (size_t c = 0; c < db.cables.size(); ++c) {
    const int pairs = Le16(&db.cables[c][2]);
    if (!SendConfirmed(s, PlannedRecord(true, static_cast<int>(c), pairs),
                       static_cast<uint8_t>(~c))) {
      return;
    }
  }
}

void SendPlanned233(Session& s) {
  const ReflDb& db = ReflDatabase(kKind14, s.config());
  const auto number =
      s.ReceiveRecord(3, [](const std::vector<uint8_t>& d) { return static_cast<uint8_t>(~d[0]); });
  if (!number) return;
  const size_t cable = Le16(number->data());
  if (cable >= db.cables.size()) {
    std::fprintf(stderr, "sim: cable number %zu beyond the database\n", cable);
    return;
  }
  const int pairs = Le16(&db.cables[cable][42]);
  SendConfirmed(s, PlannedRecord(false, static_cast<int>(cable), pairs),
                static_cast<uint8_t>(~(*number)[0]));
}

struct Registrar {
  Registrar() {
    for (int kind : {11, 12, 16}) RegisterCommand(kind, 0x69, SendPlanned435);
    RegisterCommand(14, 0x05, SendPlanned233);
  }
};
const Registrar kRegistrar;

}  // namespace
}  // namespace sim
