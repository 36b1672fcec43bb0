#include "storage/trace/cable_block.h"

#include "base/values.h"

namespace telvane {

CableBlock::CableBlock(RecordForm form) : form_(form) {}

size_t CableBlock::size() const {
  return form_ == RecordForm::kCompact ? kCompactSize : kExtendedSize;
}

uint16_t CableBlock::value0() const { return LoadLe16(bytes_.data()); }
void CableBlock::set_value0(uint16_t value) { StoreLe16(value, bytes_.data()); }

uint16_t CableBlock::pair_count() const {
  return form_ == RecordForm::kExtended ? LoadLe16(bytes_.data() + 2) : 0;
}
void CableBlock::set_pair_count(uint16_t count) {
  if (form_ == RecordForm::kExtended) StoreLe16(count, bytes_.data() + 2);
}

uint8_t CableBlock::section_count() const { return bytes_[form_ == RecordForm::kExtended ? 4 : 2]; }
void CableBlock::set_section_count(uint8_t count) {
  bytes_[form_ == RecordForm::kExtended ? 4 : 2] = count;
}

float CableBlock::temperature() const {
  return form_ == RecordForm::kExtended ? LoadLeFloat(bytes_.data() + 5) : 0.0f;
}
void CableBlock::set_temperature(float value) {
  if (form_ == RecordForm::kExtended) StoreLeFloat(value, bytes_.data() + 5);
}

uint8_t CableBlock::charge_time() const { return form_ == RecordForm::kExtended ? bytes_[9] : 0; }
void CableBlock::set_charge_time(uint8_t value) {
  if (form_ == RecordForm::kExtended) bytes_[9] = value;
}

size_t CableBlock::section_offset(int index) const {
  return form_ == RecordForm::kExtended ? 15 + 21 * static_cast<size_t>(index)
                                        : 3 + 17 * static_cast<size_t>(index);
}

CableBlockSection CableBlock::section(int index) const {
  CableBlockSection s;
  if (index < 0 || index >= kMaxSections) return s;
  const uint8_t* p = bytes_.data() + section_offset(index);
  s.type_index = p[0];
  s.length = LoadLeFloat(p + 1);
  s.length_in_points = LoadLeFloat(p + 5);
  s.third = LoadLeFloat(p + 9);
  s.fourth = LoadLeFloat(p + 13);
  return s;
}

void CableBlock::set_section(int index, const CableBlockSection& s) {
  if (index < 0 || index >= kMaxSections) return;
  uint8_t* p = bytes_.data() + section_offset(index);
  p[0] = s.type_index;
  StoreLeFloat(s.length, p + 1);
  StoreLeFloat(s.length_in_points, p + 5);
  StoreLeFloat(s.third, p + 9);
  StoreLeFloat(s.fourth, p + 13);
}

void CableBlock::set_velocity_factor(float k) {
  CableBlockSection first = section(0);
  first.fourth = k;
  set_section(0, first);
}

namespace {

void CopyCommon(const CableBlock& from, CableBlock& to) {
  to.set_value0(from.value0());
  to.set_section_count(from.section_count());
  for (int i = 0; i < CableBlock::kMaxSections; ++i) to.set_section(i, from.section(i));
}

}  // namespace

CableBlock ToCompact(const CableBlock& extended) {
  if (extended.form() == RecordForm::kCompact) return extended;
  CableBlock compact(RecordForm::kCompact);
  CopyCommon(extended, compact);
  return compact;
}

void FillExtended(const CableBlock& compact, CableBlock& extended) {
  if (extended.form() != RecordForm::kExtended) {
    extended = compact;
    return;
  }
  CopyCommon(compact, extended);
}

}  // namespace telvane
