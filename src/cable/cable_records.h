// The records of the full family of cable-parameter meters: the database
// header, the 262-byte cable record with its five sections, the 26-byte
// planned measurement of one pair and the cable-type record. The same bytes are
// exchanged with the instrument and written to the program's files.
#ifndef TELVANE_CABLE_CABLE_RECORDS_H_
#define TELVANE_CABLE_CABLE_RECORDS_H_

#include <array>
#include <cstdint>
#include <string>

#include "base/fixed_record.h"

namespace telvane {

// 48 bytes; one per database, before the cable records of a cable-base file.
// Bytes 0-19 and 42-47 are kept as received.
class CableBaseHeader : public FixedRecord<48> {
 public:
  using FixedRecord::FixedRecord;

  uint8_t cable_count() const { return U8(20); }
  uint8_t max_cables() const { return U8(21); }
  uint16_t reflectogram_count() const { return U16(22); }
  uint16_t max_reflectograms() const { return U16(24); }
  uint32_t pair_count() const { return U32(26); }
  uint32_t max_pairs() const { return U32(30); }
  uint32_t sample_count() const { return U32(34); }
  uint32_t max_samples() const { return U32(38); }

  void set_cable_count(uint8_t v) { SetU8(20, v); }
  void set_max_cables(uint8_t v) { SetU8(21, v); }
  void set_reflectogram_count(uint16_t v) { SetU16(22, v); }
  void set_max_reflectograms(uint16_t v) { SetU16(24, v); }
  void set_pair_count(uint32_t v) { SetU32(26, v); }
  void set_max_pairs(uint32_t v) { SetU32(30, v); }
  void set_sample_count(uint32_t v) { SetU32(34, v); }
  void set_max_samples(uint32_t v) { SetU32(38, v); }
};

// 14 bytes, one of the five sections inside a CableRecord.
class CableSection : public FixedRecord<14> {
 public:
  using FixedRecord::FixedRecord;

  uint16_t length() const { return U16(0); }           // metres
  float core_diameter() const { return F32(2); }       // mm
  uint16_t core_resistance() const { return U16(6); }  // ohm/km
  uint16_t capacitance() const { return U16(8); }      // nF/km
  float temperature_factor() const { return F32(10); }

  void set_length(uint16_t v) { SetU16(0, v); }
  void set_core_diameter(float v) { SetF32(2, v); }
  void set_core_resistance(uint16_t v) { SetU16(6, v); }
  void set_capacitance(uint16_t v) { SetU16(8, v); }
  void set_temperature_factor(float v) { SetF32(10, v); }
};

// 262 bytes; one cable of the full family. Byte 257 is kept as received; the
// word at 258 is cleared before a single record is sent or received.
class CableRecord : public FixedRecord<262> {
 public:
  static constexpr int kNotebookLines = 6;
  static constexpr int kSections = 5;
  static constexpr size_t kTextChars = 20;  // name, type and notebook lines

  using FixedRecord::FixedRecord;

  std::string name() const { return Text(0, 21); }
  std::string type_name() const { return Text(21, 21); }
  uint16_t pair_count() const { return U16(42); }
  uint16_t length() const { return U16(44); }
  uint8_t section_count() const { return U8(46); }  // sections in use, 0 to 5
  float temperature() const { return F32(47); }
  uint8_t zone() const { return U8(51); }
  // Line 0 to 5 of the measurer's notebook.
  std::string notebook_line(int line) const { return Text(NotebookOffset(line), 21); }
  // The same text fields as stored (CP1251), for files and exports.
  std::string raw_name() const { return RawText(0, 21); }
  std::string raw_type_name() const { return RawText(21, 21); }
  std::string raw_notebook_line(int line) const { return RawText(NotebookOffset(line), 21); }
  float shortening_factor() const { return F32(178); }
  float armour_reference() const { return F32(182); }
  uint8_t condition() const { return U8(186); }
  // Section 0 to 4; all five are always present.
  CableSection section(int index) const;
  uint32_t transfer_word() const { return U32(258); }

  void set_name(std::string_view utf8) { SetText(0, 21, kTextChars, utf8); }
  void set_type_name(std::string_view utf8) { SetText(21, 21, kTextChars, utf8); }
  void set_pair_count(uint16_t v) { SetU16(42, v); }
  void set_length(uint16_t v) { SetU16(44, v); }
  void set_section_count(uint8_t v) { SetU8(46, v); }
  void set_temperature(float v) { SetF32(47, v); }
  void set_zone(uint8_t v) { SetU8(51, v); }
  void set_notebook_line(int line, std::string_view utf8) {
    SetText(NotebookOffset(line), 21, kTextChars, utf8);
  }
  void set_shortening_factor(float v) { SetF32(178, v); }
  void set_armour_reference(float v) { SetF32(182, v); }
  void set_condition(uint8_t v) { SetU8(186, v); }
  void set_section(int index, const CableSection& section);
  void ClearTransferWord() { SetU32(258, 0); }

  // The raw 21 bytes of notebook line 0 to 5, as stored.
  std::span<const uint8_t> notebook_bytes(int line) const {
    return span().subspan(NotebookOffset(line), 21);
  }

 private:
  static size_t NotebookOffset(int line) { return 52 + 21 * static_cast<size_t>(line); }
  static size_t SectionOffset(int index) { return 187 + 14 * static_cast<size_t>(index); }
};

// 26 bytes; the planned measurement of one pair (full family). Capacitances in
// nF, insulation resistances in kilo-ohms.
class PlannedMeasurement : public FixedRecord<26> {
 public:
  using FixedRecord::FixedRecord;

  uint16_t pair() const { return U16(0); }
  float capacitance_ab() const { return F32(2); }
  float capacitance_bc() const { return F32(6); }
  float capacitance_ac() const { return F32(10); }
  float insulation_ab() const { return F32(14); }
  float insulation_bc() const { return F32(18); }
  float insulation_ac() const { return F32(22); }

  void set_pair(uint16_t v) { SetU16(0, v); }
  void set_capacitance_ab(float v) { SetF32(2, v); }
  void set_capacitance_bc(float v) { SetF32(6, v); }
  void set_capacitance_ac(float v) { SetF32(10, v); }
  void set_insulation_ab(float v) { SetF32(14, v); }
  void set_insulation_bc(float v) { SetF32(18, v); }
  void set_insulation_ac(float v) { SetF32(22, v); }

  // The six values in stored order: AB, BC, AC capacitance, AB, BC, AC
  // insulation.
  std::array<float, 6> values() const;
};

// Slots of planned measurements per cable of the full family.
inline constexpr int kPlannedSlotsPerCable = 2000;

// 25 bytes in memory; one row of the cable-type database. The name fills all
// 16 bytes when it has 16 characters (no terminator); shorter names are padded
// with NUL in memory.
class CableTypeRecord : public FixedRecord<25> {
 public:
  static constexpr size_t kNameBytes = 16;

  using FixedRecord::FixedRecord;

  std::string name() const { return Text(0, kNameBytes); }
  std::string raw_name() const { return RawText(0, kNameBytes); }
  float specific_resistance() const { return F32(16); }
  float temperature_factor() const { return F32(20); }
  bool selected() const { return U8(24) != 0; }
  uint8_t selected_byte() const { return U8(24); }

  void set_name(std::string_view utf8) { SetText(0, kNameBytes, kNameBytes, utf8); }
  void set_specific_resistance(float v) { SetF32(16, v); }
  void set_temperature_factor(float v) { SetF32(20, v); }
  void set_selected(bool v) { SetU8(24, v ? 1 : 0); }
};

// Size of a cable type on the wire and in the binary cable-type file.
inline constexpr size_t kCableTypeWireSize = 32;
// Cable types the instrument holds unless it reports another size.
inline constexpr int kDefaultCableTypeCapacity = 63;

enum class NamePadding : uint8_t { kSpaces = ' ', kNul = 0 };

// The 32-byte form: name in 16 bytes padded as asked (spaces on the wire, NUL in
// files), the two floats most significant byte first, eight zero bytes.
std::array<uint8_t, kCableTypeWireSize> EncodeCableType(const CableTypeRecord& type,
                                                        NamePadding padding);
// Decodes the 32-byte form (either padding) into a selected type; trailing
// blanks of the name become NUL, so a type reads the same from the wire and
// from a file.
CableTypeRecord DecodeCableType(std::span<const uint8_t, kCableTypeWireSize> bytes);

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_RECORDS_H_
