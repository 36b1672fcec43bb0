// Feeds arbitrary bytes to both pages' "*.tdr" readers. The first byte picks
// the firmware; the rest is the file.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/trace/tdr_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  using namespace telvane;
  fuzz::SilentScreen screen;
  const std::string path = fuzz::WriteInput(data + 1, size - 1, "tdr");
  const int firmware = fuzz::FirmwareOf(data[0]);
  CableBlock compact_block(RecordForm::kCompact);
  ReflectogramRecord compact(RecordForm::kCompact);
  ReadTdr(screen, path, TracePage::kOlder, firmware, compact_block, compact);
  CableBlock block(RecordForm::kExtended);
  ReflectogramRecord record(RecordForm::kExtended);
  if (ReadTdr(screen, path, TracePage::kNewer, firmware, block, record)) {
    WriteTdr(screen, path, TracePage::kNewer, firmware, block, record);
  }
  return 0;
}
