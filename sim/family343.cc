// Kind 10 (instruments with 343-byte cable blocks), as docs/family-343.md
// describes it:
//   0x50  the database information record (confirmed as record 0, 0xFF)
//   0x53  the cable records, 380 bytes each (block, name[17], 20 statuses)
//   0x54  a cable number (index u16, 0), then that cable's record
//   0x51  one cable record from the program; 0x52 the whole database
//   0x57  reflectogram number (slot, cable u16), then the 173-byte record;
//   0x58  the same, received
#include <cmath>

#include "cable_db.h"
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

// The cable fields of this kind beyond the generated two sections: the last
// of three or more cables uses all 20 sections of its block (17 bytes each
// from offset 3: type index, length, length in trace points, specific
// capacitance, k), the longest cable the block can describe.
void DressCables343(ReflDb& db) {
  if (db.cables.size() < 3) return;
  std::vector<uint8_t>& r = db.cables.back();
  r[2] = 20;
  const float k = 1.5f;
  for (int s = 2; s < 20; ++s) {
    uint8_t* section = &r[3 + 17 * static_cast<size_t>(s)];
    const float length = 100.0f + 10.0f * static_cast<float>(s);
    section[0] = static_cast<uint8_t>(s % 4);
    PutFloatLe(section + 1, length);
    PutFloatLe(section + 5, std::trunc(length * k * 2.0f / 3.0f));
    PutFloatLe(section + 9, 40.0f + static_cast<float>(s));
    PutFloatLe(section + 13, k);
  }
}

ReflDb& Db343(Session& s) {
  ReflDb& db = ReflDatabase(kOlder, s.config());
  static bool dressed = false;
  if (!dressed) {
    DressCables343(db);
    dressed = true;
  }
  return db;
}

const CommandRegistrar kInfo(10, 0x50, [](Session& s) { SendInformation(s, Db343(s), 0); });
const CommandRegistrar kCables(10, 0x53, [](Session& s) { SendCables(s, Db343(s)); });
const CommandRegistrar kByNumber(10, 0x54, [](Session& s) { SendOneCable(s, Db343(s)); });
const CommandRegistrar kOne(10, 0x51, [](Session& s) { ReceiveCables(s, Db343(s), false); });
const CommandRegistrar kAll(10, 0x52, [](Session& s) { ReceiveCables(s, Db343(s), true); });
const CommandRegistrar kRead(10, 0x57, [](Session& s) { SendTrace(s, Db343(s), s.config()); });
const CommandRegistrar kWrite(10, 0x58, [](Session& s) { ReceiveTrace(s, Db343(s), s.config()); });

}  // namespace
}  // namespace sim
