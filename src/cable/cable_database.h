// The databases of the cable-parameter meters as the program holds them: the
// full family's cable base with the planned measurements of every cable, the
// cable-type table, and the compact family's cable list, type list and
// planned measurements.
#ifndef TELVANE_CABLE_CABLE_DATABASE_H_
#define TELVANE_CABLE_CABLE_DATABASE_H_

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "cable/cable_records.h"
#include "cable/compact_records.h"

namespace telvane {

// The cable count is one byte, so the array has room for every count an
// instrument or a file can announce.
inline constexpr int kMaxCables = 255;
// Cable types a file may hold.
inline constexpr int kMaxCableTypes = 100;

// The planned measurements of one cable: the three date bytes in stored order
// and 2000 slots (slot i holds pair i).
struct PlannedDatabase {
  std::array<uint8_t, 3> date{};
  std::vector<PlannedMeasurement> slots;

  // The slots, taken on first use.
  std::vector<PlannedMeasurement>& EnsureSlots() {
    if (slots.empty()) slots.resize(kPlannedSlotsPerCable);
    return slots;
  }
};

struct CableBase {
  CableBaseHeader header;
  std::vector<CableRecord> cables = std::vector<CableRecord>(kMaxCables);
  std::vector<PlannedDatabase> planned = std::vector<PlannedDatabase>(kMaxCables);

  // Cables that take part in a transfer or a report: the current count, at
  // most the maximum and the array size.
  int CableCount() const { return std::min<int>(header.cable_count(), kMaxCables); }
};

struct CableTypeTable {
  // The table; its size is the database size the instrument reported.
  std::vector<CableTypeRecord> types = std::vector<CableTypeRecord>(kDefaultCableTypeCapacity);
  // Types the instrument currently holds ("Текущий").
  int current = 0;
  // The database size ("Максимальный").
  int maximum = kDefaultCableTypeCapacity;
};

struct CompactBase {
  CompactCounts counts;
  std::vector<CompactCableRecord> cables;
  std::vector<CompactCableType> types;
  // counts.planned_cables × counts.planned_pairs slots, cable after cable.
  std::vector<CompactPlannedMeasurement> planned;

  // Slot `pair` of cable `cable`, or nullptr outside what was received.
  const CompactPlannedMeasurement* PlannedSlot(int cable, int pair) const {
    const size_t pairs = counts.planned_pairs;
    if (cable < 0 || pair < 0 || static_cast<size_t>(pair) >= pairs) return nullptr;
    const size_t index = static_cast<size_t>(cable) * pairs + static_cast<size_t>(pair);
    return index < planned.size() ? &planned[index] : nullptr;
  }
};

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_DATABASE_H_
