#include "cable/compact_records.h"

namespace telvane {

CompactCableRecord CompactCableRecord::Empty() {
  CompactCableRecord record;
  record.set_checksum(kEmptySlotMark);
  return record;
}

CompactSection CompactCableRecord::section(int index) const {
  const size_t offset = SectionOffset(index);
  return {U8(offset), F32(offset + 1)};
}

void CompactCableRecord::set_section(int index, const CompactSection& section) {
  const size_t offset = SectionOffset(index);
  SetU8(offset, section.type_index);
  SetF32(offset + 1, section.length);
}

uint8_t CompactCableRecord::ComputeChecksum() const { return Sum8(span().first(44)); }

CompactPlannedMeasurement CompactPlannedMeasurement::Cleared() {
  CompactPlannedMeasurement slot;
  slot.set_value(0, kPairNotMeasured);
  for (int i = 1; i < 6; ++i) slot.set_value(i, kValueNotMeasured);
  return slot;
}

}  // namespace telvane
