// Kind 14 (instruments with 233-byte cable records), as docs/family-233.md
// describes it:
//   0  the database information record (confirmed as record 0, 0xFF)
//   1  the cable records, 233 bytes each (name[41] at 0, sections at 41,
//      pairs at 42, temperature at 44, 8 sections of 21 bytes from 48)
//   3  the cable types, 31 bytes each (name[19], three floats)
//   4  one cable record from the program; 2 the whole database
#include <cmath>

#include "cable_db.h"
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

// The not-measured marker of the meters' floats.
constexpr float kMarker = -2850000128.0f;

// The cable fields of this kind beyond the generated names: cable c has
// 2 + c % 3 sections (at most 8) from offset 48, each of 21 bytes (type
// index, length, length in trace points = whole part of length × k × 2/3,
// specific capacitance, k, loop resistance); the first cable has 2000 pairs,
// temperatures run −10 to 20, and the last section of the second cable has no
// loop resistance measured (the marker).
void DressCables233(ReflDb& db) {
  for (size_t c = 0; c < db.cables.size(); ++c) {
    std::vector<uint8_t>& r = db.cables[c];
    const int sections = 2 + static_cast<int>(c % 3);
    r[41] = static_cast<uint8_t>(sections);
    if (c == 0) PutLe16(&r[42], 2000);
    PutFloatLe(&r[44], static_cast<float>(-10 + static_cast<int>(c * 7 % 31)));
    for (int k = 0; k < sections; ++k) {
      uint8_t* section = &r[48 + 21 * static_cast<size_t>(k)];
      const float length = 150.0f + 75.0f * static_cast<float>(k) + static_cast<float>(c);
      const float factor = 1.4f + 0.1f * static_cast<float>((c + static_cast<size_t>(k)) % 5);
      section[0] = static_cast<uint8_t>((c + static_cast<size_t>(k)) % 5);
      PutFloatLe(section + 1, length);
      PutFloatLe(section + 5, std::trunc(length * factor * 2.0f / 3.0f));
      PutFloatLe(section + 9, 45.0f + 5.0f * static_cast<float>(k));
      PutFloatLe(section + 13, factor);
      PutFloatLe(section + 17, 280.0f - 40.0f * static_cast<float>(k));
    }
    if (c == 1) PutFloatLe(&r[48 + 21 * static_cast<size_t>(sections - 1) + 17], kMarker);
  }
}

ReflDb& Db233(Session& s) {
  ReflDb& db = ReflDatabase(kKind14, s.config());
  static bool dressed = false;
  if (!dressed) {
    DressCables233(db);
    dressed = true;
  }
  return db;
}

const CommandRegistrar kInfo(14, 0x00, [](Session& s) { SendInformation(s, Db233(s), 30); });
const CommandRegistrar kCables(14, 0x01, [](Session& s) { SendCables(s, Db233(s)); });
const CommandRegistrar kTypes(14, 0x03, [](Session& s) { SendTypes(s, Db233(s)); });
const CommandRegistrar kOne(14, 0x04, [](Session& s) { ReceiveCables(s, Db233(s), false); });
const CommandRegistrar kAll(14, 0x02, [](Session& s) { ReceiveCables(s, Db233(s), true); });

}  // namespace
}  // namespace sim
