// Kinds 11, 12 and 16 (instruments with 435-byte cable records), as
// docs/family-435.md describes them:
//   0x60  the database information record (confirmed as record 0, 0xFF)
//   0x63  the cable records, 496 bytes each (block, name[41], 20 statuses)
//   0x64  a cable number (index u16, 0), then that cable's record
//   0x65  the cable types, 31 bytes each (name[19], three floats)
//   0x61  one cable record from the program; 0x62 the whole database
//   0x67  reflectogram number (slot, cable u16), then the extended record in
//         its used length by firmware; 0x68 the same, received
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

ReflDb& Db435(Session& s) { return ReflDatabase(kNewer, s.config()); }

void Register(int kind) {
  RegisterCommand(kind, 0x60, [](Session& s) { SendInformation(s, Db435(s), 40); });
  RegisterCommand(kind, 0x63, [](Session& s) { SendCables(s, Db435(s)); });
  RegisterCommand(kind, 0x64, [](Session& s) { SendOneCable(s, Db435(s)); });
  RegisterCommand(kind, 0x65, [](Session& s) { SendTypes(s, Db435(s)); });
  RegisterCommand(kind, 0x61, [](Session& s) { ReceiveCables(s, Db435(s), false); });
  RegisterCommand(kind, 0x62, [](Session& s) { ReceiveCables(s, Db435(s), true); });
  RegisterCommand(kind, 0x67, [](Session& s) { SendTrace(s, Db435(s), s.config()); });
  RegisterCommand(kind, 0x68, [](Session& s) { ReceiveTrace(s, Db435(s), s.config()); });
}

struct Registrar {
  Registrar() {
    for (int kind : {11, 12, 16}) Register(kind);
  }
};
const Registrar kRegistrar;

}  // namespace
}  // namespace sim
