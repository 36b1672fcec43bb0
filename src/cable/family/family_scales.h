// The reflectometers' scale tables: what the setting indices stored in a
// reflectogram record (TDRdiap, TDRimp, TDRdB, TDRrast) stand for, one table
// per family of instruments. docs/family-343.md, docs/family-435.md and
// docs/family-233.md list the same values.
//
// Distance along a trace: the record's samples cover range / stretch metres of
// cable for k = 1; with the cable's velocity factor k (the fourth float of the
// first section of the cable block, k >= 1) sample i of n lies at
//   i * range / (n * stretch * k) metres.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_SCALES_H_
#define TELVANE_CABLE_FAMILY_FAMILY_SCALES_H_

#include <optional>
#include <span>

namespace telvane {

// The three families of reflectometers by the size of their cable block.
enum class Family { k343, k435, k233 };

struct ScaleTable {
  std::span<const double> range_m;   // TDRdiap index -> range, metres at k = 1
  std::span<const double> pulse_ns;  // TDRimp index -> probe pulse width, ns
  std::span<const double> gain_db;   // TDRdB index -> gain, dB
  std::span<const double> stretch;   // TDRrast index -> stretch factor
};

const ScaleTable& Scales(Family family);

// The value of `index` in `column`; nullopt for an index beyond the table
// (a record from another instrument or a damaged one).
std::optional<double> ScaleValue(std::span<const double> column, int index);

// The distance in metres of sample `sample` of `sample_count` for the stored
// range and stretch indices and the velocity factor k; nullopt when an index
// is beyond its table, the count is not positive or k is not above 0.
std::optional<double> SampleDistance(Family family, int range_index, int stretch_index, double k,
                                     int sample, int sample_count);

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_SCALES_H_
