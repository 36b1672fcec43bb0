// The text of a planned-measurement value in the views of the meters with
// 233-byte and 435-byte cable records: capacitance, insulation resistance with
// an upper limit that depends on the instrument's database version, and loop
// resistance.
#ifndef TELVANE_CABLE_PLANNED_FORMAT_H_
#define TELVANE_CABLE_PLANNED_FORMAT_H_

#include <string>

namespace telvane {

enum class PlannedValueMode { kCapacitance = 0, kInsulation = 1, kLoopResistance = 2 };

// What the instrument sent with its planned-measurement database.
struct InsulationLimit {
  // The database version; from 8.027 on the cable's own limit applies.
  double version = 0;
  // The selected cable's insulation limit, kilo-ohms.
  float limit_kohm = 0;
};

// Versions from this one on carry a per-cable insulation limit.
inline constexpr double kFirstVersionWithCableLimit = 8.027;
// The insulation limit of older versions, kilo-ohms.
inline constexpr double kFixedInsulationLimit = 50000000.0;

// UTF-8 text of `value`. Markers are not recognised: callers show their own
// placeholder for a value that was not measured.
std::string FormatPlannedValue(float value, PlannedValueMode mode, const InsulationLimit& limit);

}  // namespace telvane

#endif  // TELVANE_CABLE_PLANNED_FORMAT_H_
