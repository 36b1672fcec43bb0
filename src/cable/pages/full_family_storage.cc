#include "cable/pages/full_family_storage.h"

#include <algorithm>

#include "cable/db/cable_rows.h"
#include "cable/db/legacy_schema.h"
#include "storage/db/db_session.h"

namespace telvane {

bool SaveParametersToLegacyA(Screen& screen, const CableRecord& cable) {
  if (screen.AskYesNo(Icon::kQuestion, "Вопрос", kUpdateLegacyQuestion) != Answer::kYes) {
    return false;
  }
  const auto path = ChooseDatabaseFile(screen);
  if (!path) return false;
  return WriteLegacyA(screen, *path, {cable});
}

DbCable FullFamilyDbCable(const CableBase& base, int index) {
  const CableRecord& cable = base.cables[static_cast<size_t>(index)];
  const PlannedDatabase& planned = base.planned[static_cast<size_t>(index)];
  DbCable out;
  out.name = cable.name();
  out.nlist = index;
  out.pairs = cable.pair_count();
  out.temperature = cable.temperature();
  // The three date bytes in stored order: day, month, year - 2000.
  out.plan_date = DbPlanDate{planned.date[0], planned.date[1], planned.date[2]};
  const int sections = std::min<int>(cable.section_count(), CableRecord::kSections);
  for (int k = 0; k < sections; ++k) {
    const CableSection section = cable.section(k);
    DbFrame frame;
    frame.type.name = cable.type_name();
    frame.type.diameter = section.core_diameter();
    frame.type.specific_capacity = section.capacitance();
    frame.type.contraction = section.temperature_factor();
    frame.type.r_conductor = section.core_resistance();
    frame.length = section.length();
    frame.specific_capacity = section.capacitance();
    out.frames.push_back(frame);
  }
  const size_t pair_count = std::min<size_t>(cable.pair_count(), planned.slots.size());
  out.plan = DbPlanFromFullFamily(std::span(planned.slots).first(pair_count));
  return out;
}

bool SavePlannedToCurrentSchema(Screen& screen, const CableBase& base, int cable) {
  if (cable < 0 || cable >= kMaxCables) return false;
  const auto path = ChooseDatabaseFile(screen);
  if (!path) return false;
  return WriteCables(screen, *path, {FullFamilyDbCable(base, cable)});
}

}  // namespace telvane
