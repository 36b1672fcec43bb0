#include "cable/family/family_planned.h"

#include <algorithm>

#include "base/fixed_record.h"
#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

size_t HeadSize(Family family) {
  return family == Family::k435 ? kPlanned435HeadSize : kPlanned233HeadSize;
}

size_t PairSize(Family family) {
  return family == Family::k435 ? kPlanned435PairSize : kPlanned233PairSize;
}

// The report's columns after the pair number, as (value of the record, mode).
struct Column {
  PlannedValue value;
  PlannedValueMode mode;
};
constexpr std::array<Column, 8> kColumns = {{
    {kCapacitanceAc, PlannedValueMode::kCapacitance},
    {kCapacitanceBc, PlannedValueMode::kCapacitance},
    {kCapacitanceAb, PlannedValueMode::kCapacitance},
    {kInsulationAc, PlannedValueMode::kInsulation},
    {kInsulationBc, PlannedValueMode::kInsulation},
    {kInsulationAb, PlannedValueMode::kInsulation},
    {kLoopResistance, PlannedValueMode::kLoopResistance},
    {kResistanceA, PlannedValueMode::kLoopResistance},
}};

// Either marker stands for a value that was not measured: printed as a number
// it would show a capacitance of about −10⁹ nF.
bool NotMeasured(float v) { return v == kPairNotMeasured || v == kValueNotMeasured; }

}  // namespace

size_t PlannedRecordSize(Family family) {
  if (family != Family::k435 && family != Family::k233) return 0;
  return HeadSize(family) + kPlannedPairSlots * PairSize(family);
}

int PlannedValueCount(Family family) { return family == Family::k435 ? 8 : 6; }

std::optional<PlannedCable> DecodePlannedCable(Family family, std::span<const uint8_t> bytes) {
  const size_t size = PlannedRecordSize(family);
  if (size == 0 || bytes.size() != size) return std::nullopt;
  PlannedCable cable;
  cable.limit.version = LoadLeFloat(bytes.data());
  cable.limit.limit_kohm = LoadLeFloat(bytes.data() + 4);
  if (family == Family::k435) {
    cable.name = ReadTextField(bytes.data() + 8, kPlannedNameSize);
    std::copy_n(bytes.begin() + 49, 3, cable.date.begin());
  }
  const int count = PlannedValueCount(family);
  cable.pairs.resize(kPlannedPairSlots);
  for (size_t p = 0; p < cable.pairs.size(); ++p) {
    const uint8_t* pair = bytes.data() + HeadSize(family) + p * PairSize(family);
    for (int v = 0; v < count; ++v) {
      cable.pairs[p].values[static_cast<size_t>(v)] = LoadLeFloat(pair + 4 * v);
    }
  }
  return cable;
}

std::vector<uint8_t> EncodePlannedCable(Family family, const PlannedCable& cable) {
  std::vector<uint8_t> bytes(PlannedRecordSize(family), 0);
  if (bytes.empty()) return bytes;
  StoreLeFloat(static_cast<float>(cable.limit.version), bytes.data());
  StoreLeFloat(cable.limit.limit_kohm, bytes.data() + 4);
  if (family == Family::k435) {
    WriteTextField(bytes.data() + 8, kPlannedNameSize, kPlannedNameSize - 1, cable.name);
    std::copy(cable.date.begin(), cable.date.end(), bytes.begin() + 49);
  }
  const int count = PlannedValueCount(family);
  const size_t slots = std::min<size_t>(cable.pairs.size(), kPlannedPairSlots);
  for (size_t p = 0; p < slots; ++p) {
    uint8_t* pair = bytes.data() + HeadSize(family) + p * PairSize(family);
    for (int v = 0; v < count; ++v) {
      StoreLeFloat(cable.pairs[p].values[static_cast<size_t>(v)], pair + 4 * v);
    }
  }
  return bytes;
}

std::string PlannedDateText(const PlannedCable& cable) {
  return Sprintf("%.2u.%.2u.%.4u", unsigned{cable.date[0]}, unsigned{cable.date[1]},
                 cable.date[2] + 2000u);
}

std::vector<PlannedRow> PlannedRows(Family family, const PlannedCable& cable, int pairs) {
  std::vector<PlannedRow> rows;
  const size_t count = std::min(static_cast<size_t>(std::max(pairs, 0)), cable.pairs.size());
  const size_t columns = static_cast<size_t>(PlannedValueCount(family));
  rows.reserve(count);
  for (size_t p = 0; p < count; ++p) {
    PlannedRow row;
    row.pair = static_cast<unsigned>(p);
    for (size_t c = 0; c < columns; ++c) {
      const float v = cable.pairs[p].values[kColumns[c].value];
      row.cells.push_back(NotMeasured(v) ? kPlannedMarkerText
                                         : FormatPlannedValue(v, kColumns[c].mode, cable.limit));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace telvane
