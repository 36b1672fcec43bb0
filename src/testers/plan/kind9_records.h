// The 26-byte records of the kind 9 cable database as the block exchanges
// carry them (docs/kind9.md): the cable record and, for the planned
// measurements, the full family's 26-byte pair record (cable/cable_records.h).
#ifndef TELVANE_TESTERS_PLAN_KIND9_RECORDS_H_
#define TELVANE_TESTERS_PLAN_KIND9_RECORDS_H_

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/fixed_record.h"
#include "cable/cable_records.h"

namespace telvane {

inline constexpr size_t kKind9RecordSize = 26;

// One cable of the database, little-endian:
//   0  16 bytes  name, CP1251, NUL-padded (16 characters leave no terminator)
//   16 u16       number of pairs
//   18 u16       cable length, metres
//   20 u8        sections in use
//   21 u8        cable type number
//   22 u16       record number of the cable's first pair in the planned area
//   24 u16       kept as received; not interpreted
class Kind9CableRecord : public FixedRecord<kKind9RecordSize> {
 public:
  static constexpr size_t kNameBytes = 16;

  using FixedRecord::FixedRecord;

  std::string name() const { return Text(0, kNameBytes); }
  uint16_t pairs() const { return U16(16); }
  uint16_t length() const { return U16(18); }
  uint8_t sections() const { return U8(20); }
  uint8_t cable_type() const { return U8(21); }
  uint16_t first_pair() const { return U16(22); }

  void set_name(std::string_view utf8) { SetText(0, kNameBytes, kNameBytes, utf8); }
  void set_pairs(uint16_t v) { SetU16(16, v); }
  void set_length(uint16_t v) { SetU16(18, v); }
  void set_sections(uint8_t v) { SetU8(20, v); }
  void set_cable_type(uint8_t v) { SetU8(21, v); }
  void set_first_pair(uint16_t v) { SetU16(22, v); }
};

// The planned measurement of one pair: pair number, then capacitance AB, BC,
// AC and insulation AB, BC, AC as little-endian floats.
using Kind9PairRecord = PlannedMeasurement;

// Splits `bytes` into whole records; false (and `out` untouched) when the
// length is not a multiple of 26 or gives more than `max_records`.
bool SplitCableRecords(std::span<const uint8_t> bytes, size_t max_records,
                       std::vector<Kind9CableRecord>& out);

// The record numbers of a cable's pairs lie inside the planned area of
// `maximum_pairs` records: first + pairs ≤ maximum.
bool PairsInsideArea(const Kind9CableRecord& cable, uint32_t maximum_pairs);

// The 2-byte record number of the 0x34 and 0x35 exchanges, packed most
// significant byte first as the pages pack integers for the instrument.
std::array<uint8_t, 2> RecordNumberBytes(uint16_t number);

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_KIND9_RECORDS_H_
