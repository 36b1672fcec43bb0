// Feeds arbitrary bytes to both pages' "*.rfg" readers. The first byte picks
// the firmware; the rest is the file.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/trace/rfg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  using namespace telvane;
  fuzz::SilentScreen screen;
  const std::string path = fuzz::WriteInput(data + 1, size - 1, "rfg");
  CableBlock compact_block(RecordForm::kCompact);
  ReflectogramRecord compact(RecordForm::kCompact);
  ReadRfgOlder(screen, path, compact_block, compact);
  CableBlock block(RecordForm::kExtended);
  ReflectogramRecord record(RecordForm::kExtended);
  if (ReadRfgNewer(screen, path, fuzz::FirmwareOf(data[0]), block, record)) {
    // Whatever was read can be written again.
    WriteRfgNewer(screen, path, block, record, fuzz::FirmwareOf(data[0]));
  }
  return 0;
}
