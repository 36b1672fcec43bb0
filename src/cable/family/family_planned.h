// The planned measurements of the reflectometer families with 435-byte cable
// blocks (kinds 11, 12, 16) and 233-byte cable records (kind 14): one record
// per cable, a head (the database version, the cable's insulation limit and,
// in the 435-byte family, the name and date of the planned measurements) and
// 2000 pair slots, slot i holding pair i. Layouts: docs/family-435.md and
// docs/family-233.md.
//
//   435-byte family, 64064 bytes:          233-byte family, 48016 bytes:
//     0  version f32                         0  version f32
//     4  insulation limit L f32 (kΩ)         4  insulation limit L f32 (kΩ)
//     8  name, 41 bytes CP1251, zero-ended   8  reserved, 8 bytes
//    49  day, month, year − 2000 (u8 each)  16  2000 pairs × 24 bytes
//    52  reserved, 12 bytes
//    64  2000 pairs × 32 bytes
//
// A pair: f32 insulation A–C, B–C, A–B (kΩ), capacitance A–C, B–C, A–B (nF),
// then in the 435-byte family the loop resistance and the resistance shown
// under "Rа (Ом)" (Ω).
#ifndef TELVANE_CABLE_FAMILY_FAMILY_PLANNED_H_
#define TELVANE_CABLE_FAMILY_FAMILY_PLANNED_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cable/family/family_scales.h"
#include "cable/planned_format.h"

namespace telvane {

inline constexpr int kPlannedPairSlots = 2000;
inline constexpr size_t kPlanned435PairSize = 32;
inline constexpr size_t kPlanned233PairSize = 24;
inline constexpr size_t kPlanned435HeadSize = 64;
inline constexpr size_t kPlanned233HeadSize = 16;
inline constexpr size_t kPlannedNameSize = 41;

// The text that stands for a value that was not measured.
inline constexpr char kPlannedMarkerText[] = "    -----    ";

// The values of one pair in the order of the record.
enum PlannedValue {
  kInsulationAc = 0,
  kInsulationBc,
  kInsulationAb,
  kCapacitanceAc,
  kCapacitanceBc,
  kCapacitanceAb,
  kLoopResistance,
  kResistanceA,
};

struct PlannedPair {
  std::array<float, 8> values{};
};

// One cable's planned measurements as received.
struct PlannedCable {
  InsulationLimit limit;
  std::string name;                // empty in the 233-byte family
  std::array<uint8_t, 3> date{};   // day, month, year − 2000
  std::vector<PlannedPair> pairs;  // kPlannedPairSlots slots
};

// Bytes of one cable's record of `family` (k435 or k233); 0 for another.
size_t PlannedRecordSize(Family family);
// Values of a pair of `family`: 8 or 6.
int PlannedValueCount(Family family);

// The record of one cable; nullopt unless `bytes` is exactly one record of
// `family`.
std::optional<PlannedCable> DecodePlannedCable(Family family, std::span<const uint8_t> bytes);
// The record's bytes (the simulator-independent inverse, used by tests and
// the fuzz target's round trip).
std::vector<uint8_t> EncodePlannedCable(Family family, const PlannedCable& cable);

// "%.2u.%.2u.%.4u" of the date, the year counted from 2000.
std::string PlannedDateText(const PlannedCable& cable);

// One row of a table or report: the pair index and its value texts in the
// order of the report's columns: capacitance A–C, B–C, A–B, insulation A–C,
// B–C, A–B and, in the 435-byte family, the two resistances.
struct PlannedRow {
  unsigned pair = 0;
  std::vector<std::string> cells;
};

// The rows of the first `pairs` slots (at most the slots held; a negative
// count gives none).
std::vector<PlannedRow> PlannedRows(Family family, const PlannedCable& cable, int pairs);

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_PLANNED_H_
