#include "cable/db/cable_rows.h"

#include <algorithm>

namespace telvane {

DbCable DbCableFromCompact(const CompactCableRecord& cable,
                           std::span<const CompactCableType> types) {
  DbCable out;
  out.name = cable.name();
  out.temperature = cable.temperature();
  const int count = std::min<int>(cable.section_count(), CompactCableRecord::kSections);
  for (int i = 0; i < count; ++i) {
    const CompactSection section = cable.section(i);
    DbFrame frame;
    frame.length = section.length;
    if (section.type_index < types.size()) {
      const CompactCableType& type = types[section.type_index];
      frame.type.name = type.name();
      frame.type.diameter = type.core_diameter();
      frame.type.specific_capacity = type.capacitance();
      frame.specific_capacity = type.capacitance();
    }
    out.frames.push_back(frame);
  }
  return out;
}

std::vector<DbPlanPair> DbPlanFromFullFamily(std::span<const PlannedMeasurement> slots) {
  std::vector<DbPlanPair> pairs;
  pairs.reserve(slots.size());
  for (const PlannedMeasurement& m : slots) {
    DbPlanPair p;
    p.pair_number = m.pair();
    p.cap_ac = m.capacitance_ac();
    p.cap_bc = m.capacitance_bc();
    p.cap_ab = m.capacitance_ab();
    p.ins_ac = m.insulation_ac();
    p.ins_bc = m.insulation_bc();
    p.ins_ab = m.insulation_ab();
    pairs.push_back(p);
  }
  return pairs;
}

std::vector<DbPlanPair> DbPlanFromCompact(std::span<const CompactPlannedMeasurement> slots) {
  std::vector<DbPlanPair> pairs;
  pairs.reserve(slots.size());
  for (size_t i = 0; i < slots.size(); ++i) {
    const CompactPlannedMeasurement& m = slots[i];
    DbPlanPair p;
    p.pair_number = static_cast<int32_t>(i + 1);
    p.cap_ac = m.capacitance_ac();
    p.cap_bc = m.capacitance_bc();
    p.cap_ab = m.capacitance_ab();
    p.ins_ac = m.insulation_ac();
    p.ins_bc = m.insulation_bc();
    p.ins_ab = m.insulation_ab();
    pairs.push_back(p);
  }
  return pairs;
}

}  // namespace telvane
