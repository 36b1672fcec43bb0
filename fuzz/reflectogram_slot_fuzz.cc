// Feeds instrument bytes to what the reflectogram pages read from the
// reflectometer: the 380-byte cable record of code 0x54 and a received
// reflectogram record shown on the slot list and the information panel. The
// first byte picks the firmware; the next 380 bytes are the cable record; the
// rest is the reflectogram record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "cable/family/family_scales.h"
#include "cable/reflectograms/compact_cable_record.h"
#include "cable/reflectograms/reflectogram_texts.h"
#include "fuzz_support.h"
#include "storage/trace/trace_firmware.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  using namespace telvane;
  const int firmware = fuzz::FirmwareOf(data[0]);
  std::span<const uint8_t> rest(data + 1, size - 1);
  const size_t cable_part = std::min(rest.size(), kCompactCableRecordSize);
  CompactCableRecord343 cable;
  if (ParseCompactCableRecord(rest.first(cable_part), cable)) {
    for (int slot = 0; slot < 20; ++slot)
      (void)SlotLine(cable.status[static_cast<size_t>(slot)], slot);
    (void)cable.block.section(cable.block.section_count());
  }
  rest = rest.subspan(cable_part);
  for (const RecordForm form : {RecordForm::kCompact, RecordForm::kExtended}) {
    ReflectogramRecord record(form);
    std::copy_n(rest.begin(), std::min(rest.size(), record.size()), record.bytes().begin());
    const Family family = form == RecordForm::kCompact ? Family::k343 : Family::k435;
    (void)ValidSlotPanel(record, Scales(family), ExtendedSampleCount(firmware));
  }
  return 0;
}
