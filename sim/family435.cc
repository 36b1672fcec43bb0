// Kinds 11, 12 and 16 (instruments with 435-byte cable records), code 0x60:
// the database information record, 24 data bytes little-endian: firmware
// version (float32), current and maximum cables, reflectograms, planned pairs,
// cable types (u16 each), the number of stored xDSL logs (u8 at 14), 9
// reserved bytes. The program confirms it as record
// number 0, i.e. with 0xFF.
#include <cstdio>
#include <cstring>
#include <vector>

#include "registry.h"
#include "session.h"

namespace sim {
namespace {

void PutLe16(uint8_t* out, unsigned value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

void DatabaseInformation(Session& s) {
  const Config& c = s.config();
  std::vector<uint8_t> data(24, 0);
  const float firmware = c.firmware;
  uint32_t bits = 0;
  std::memcpy(&bits, &firmware, 4);
  for (int i = 0; i < 4; ++i) data[i] = static_cast<uint8_t>(bits >> (8 * i));
  PutLe16(&data[4], static_cast<unsigned>(c.cables));
  PutLe16(&data[6], 200);
  PutLe16(&data[8], static_cast<unsigned>(c.reflectograms));
  PutLe16(&data[10], 40);
  PutLe16(&data[12], 63);
  data[14] = static_cast<uint8_t>(c.xdsl_logs);
  const std::optional<uint8_t> answer = s.SendRecord(data);
  // The program's next command (the xDSL list) can come where its
  // confirmation was lost to the purge before that command.
  if (answer != 0xFF && s.GiveBackCommand()) {
    std::fprintf(stderr, "sim: information record unconfirmed; next command taken\n");
  } else if (answer != 0xFF) {
    std::fprintf(stderr, "sim: database information confirmed with %d, not 255\n",
                 answer ? *answer : -1);
  }
}

const CommandRegistrar kKind11(11, 0x60, DatabaseInformation);
const CommandRegistrar kKind12(12, 0x60, DatabaseInformation);
const CommandRegistrar kKind16(16, 0x60, DatabaseInformation);

}  // namespace
}  // namespace sim
