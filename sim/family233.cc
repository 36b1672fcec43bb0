// Kind 14 (instruments with 233-byte cable records), as docs/family-233.md
// describes it:
//   0  the database information record (confirmed as record 0, 0xFF)
//   1  the cable records, 233 bytes each (name[41] at 0, pairs at 42)
//   3  the cable types, 31 bytes each (name[19], three floats)
//   4  one cable record from the program; 2 the whole database
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

ReflDb& Db233(Session& s) { return ReflDatabase(kKind14, s.config()); }

const CommandRegistrar kInfo(14, 0x00, [](Session& s) { SendInformation(s, Db233(s), 30); });
const CommandRegistrar kCables(14, 0x01, [](Session& s) { SendCables(s, Db233(s)); });
const CommandRegistrar kTypes(14, 0x03, [](Session& s) { SendTypes(s, Db233(s)); });
const CommandRegistrar kOne(14, 0x04, [](Session& s) { ReceiveCables(s, Db233(s), false); });
const CommandRegistrar kAll(14, 0x02, [](Session& s) { ReceiveCables(s, Db233(s), true); });

}  // namespace
}  // namespace sim
