// Kind 10 (instruments with 343-byte cable blocks), as docs/family-343.md
// describes it:
//   0x50  the database information record (confirmed as record 0, 0xFF)
//   0x53  the cable records, 380 bytes each (block, name[17], 20 statuses)
//   0x54  a cable number (index u16, 0), then that cable's record
//   0x51  one cable record from the program; 0x52 the whole database
//   0x57  reflectogram number (slot, cable u16), then the 173-byte record;
//   0x58  the same, received
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

ReflDb& Db343(Session& s) { return ReflDatabase(kOlder, s.config()); }

const CommandRegistrar kInfo(10, 0x50, [](Session& s) { SendInformation(s, Db343(s), 0); });
const CommandRegistrar kCables(10, 0x53, [](Session& s) { SendCables(s, Db343(s)); });
const CommandRegistrar kByNumber(10, 0x54, [](Session& s) { SendOneCable(s, Db343(s)); });
const CommandRegistrar kOne(10, 0x51, [](Session& s) { ReceiveCables(s, Db343(s), false); });
const CommandRegistrar kAll(10, 0x52, [](Session& s) { ReceiveCables(s, Db343(s), true); });
const CommandRegistrar kRead(10, 0x57, [](Session& s) { SendTrace(s, Db343(s), s.config()); });
const CommandRegistrar kWrite(10, 0x58, [](Session& s) { ReceiveTrace(s, Db343(s), s.config()); });

}  // namespace
}  // namespace sim
