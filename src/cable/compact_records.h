// The records of the compact family of cable-parameter meters: the 45-byte
// cable record, the 25-byte planned measurement, the 17-byte cable-type list
// entry and the two small count headers.
#ifndef TELVANE_CABLE_COMPACT_RECORDS_H_
#define TELVANE_CABLE_COMPACT_RECORDS_H_

#include <array>
#include <cstdint>
#include <string>

#include "base/fixed_record.h"

namespace telvane {

// One section of a compact cable record: an index into the cable-type list and
// the section length in metres.
struct CompactSection {
  uint8_t type_index = 0;
  float length = 0;
  friend bool operator==(const CompactSection&, const CompactSection&) = default;
};

// 45 bytes, in the order sent to the instrument. Byte 44 is the 8-bit sum of
// bytes 0-43, or 255 in a slot that holds no cable.
class CompactCableRecord : public FixedRecord<45> {
 public:
  static constexpr int kSections = 5;
  static constexpr size_t kNameChars = 12;
  static constexpr uint8_t kLengthFromDiameter = 241;
  static constexpr uint8_t kEmptySlotMark = 255;

  using FixedRecord::FixedRecord;

  // A slot without a cable: 44 zero bytes and 255.
  static CompactCableRecord Empty();

  std::string name() const { return Text(0, 13); }
  uint8_t section_count() const { return U8(13); }
  float temperature() const { return F32(14); }
  // 241: the instrument computes the length; 0: the section lengths are used.
  uint8_t length_calculation() const { return U8(18); }
  CompactSection section(int index) const;
  uint8_t checksum() const { return U8(44); }

  void set_name(std::string_view utf8) { SetText(0, 13, kNameChars, utf8); }
  void set_section_count(uint8_t v) { SetU8(13, v); }
  void set_temperature(float v) { SetF32(14, v); }
  void set_length_calculation(uint8_t v) { SetU8(18, v); }
  void set_section(int index, const CompactSection& section);
  void set_checksum(uint8_t v) { SetU8(44, v); }

  // The 8-bit sum of bytes 0 to 43.
  uint8_t ComputeChecksum() const;
  void UpdateChecksum() { set_checksum(ComputeChecksum()); }
  bool IsEmptySlot() const { return *this == Empty(); }

 private:
  static size_t SectionOffset(int index) { return 19 + 5 * static_cast<size_t>(index); }
};

// 25 bytes; the planned measurement of one pair (compact family). Byte 0 is
// kept as received. Capacitances in nF, insulation resistances in kilo-ohms.
class CompactPlannedMeasurement : public FixedRecord<25> {
 public:
  using FixedRecord::FixedRecord;

  // The cleared slot: the pair-not-measured marker followed by five
  // value-not-measured markers.
  static CompactPlannedMeasurement Cleared();

  uint8_t lead() const { return U8(0); }
  float capacitance_ac() const { return F32(1); }
  float capacitance_bc() const { return F32(5); }
  float capacitance_ab() const { return F32(9); }
  float insulation_ac() const { return F32(13); }
  float insulation_bc() const { return F32(17); }
  float insulation_ab() const { return F32(21); }

  void set_lead(uint8_t v) { SetU8(0, v); }
  void set_capacitance_ac(float v) { SetF32(1, v); }
  void set_capacitance_bc(float v) { SetF32(5, v); }
  void set_capacitance_ab(float v) { SetF32(9, v); }
  void set_insulation_ac(float v) { SetF32(13, v); }
  void set_insulation_bc(float v) { SetF32(17, v); }
  void set_insulation_ab(float v) { SetF32(21, v); }

  // Value 0 to 5 in stored order: AC, BC, AB capacitance, AC, BC, AB
  // insulation.
  float value(int index) const { return F32(1 + 4 * static_cast<size_t>(index)); }
  void set_value(int index, float v) { SetF32(1 + 4 * static_cast<size_t>(index), v); }
};

// Slots of planned measurements per cable of the compact family.
inline constexpr int kCompactPlannedSlotsPerCable = 2000;

// 17 bytes; one entry of the compact cable-type list.
class CompactCableType : public FixedRecord<17> {
 public:
  using FixedRecord::FixedRecord;

  std::string name() const { return Text(0, 9); }
  float core_diameter() const { return F32(9); }  // mm
  float capacitance() const { return F32(13); }

  void set_name(std::string_view utf8) { SetText(0, 9, 8, utf8); }
  void set_core_diameter(float v) { SetF32(9, v); }
  void set_capacitance(float v) { SetF32(13, v); }
};

// The counts a compact meter reports: from its first header the number of
// cables (byte 0) and cable types (byte 1); from its second header the cables
// (byte 1) and pairs (byte 2) of the planned measurements and the maximum
// number of cables (byte 3).
struct CompactCounts {
  uint8_t cables = 0;
  uint8_t types = 0;
  uint8_t planned_cables = 0;
  uint8_t planned_pairs = 0;
  uint8_t max_cables = 0;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_COMPACT_RECORDS_H_
