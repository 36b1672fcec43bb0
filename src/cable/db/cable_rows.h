// The rows the cable pages store, made from the instrument records:
// - a compact-family cable: name, temperature, its sections with the type
//   name, core diameter and capacitance of the compact cable-type list;
// - the planned measurements of the full family (26-byte records) and of the
//   compact family (25-byte records), one row per valid slot.
#ifndef TELVANE_CABLE_DB_CABLE_ROWS_H_
#define TELVANE_CABLE_DB_CABLE_ROWS_H_

#include <span>
#include <vector>

#include "cable/cable_records.h"
#include "cable/compact_records.h"
#include "storage/db/current_schema.h"

namespace telvane {

// Sections 1 to the section count (at most 5); a type index outside the list
// gives a type without a name and zero values.
DbCable DbCableFromCompact(const CompactCableRecord& cable,
                           std::span<const CompactCableType> types);

// Pair numbers as the records hold them; the markers for values not measured
// are stored as they are. LoopResistance, OhmicAsymmetry and DamageCharacter
// stay Null: these families do not measure them.
std::vector<DbPlanPair> DbPlanFromFullFamily(std::span<const PlannedMeasurement> slots);
// The compact record has no pair number: slot i holds pair i + 1.
std::vector<DbPlanPair> DbPlanFromCompact(std::span<const CompactPlannedMeasurement> slots);

}  // namespace telvane

#endif  // TELVANE_CABLE_DB_CABLE_ROWS_H_
