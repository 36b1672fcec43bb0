// The database side of the full family's "Сохранить...": the parameters of a
// cable go to the older Cyrillic table after the page's question, the planned
// measurements of a cable go to the current tables with the cable and its
// sections.
#ifndef TELVANE_CABLE_PAGES_FULL_FAMILY_STORAGE_H_
#define TELVANE_CABLE_PAGES_FULL_FAMILY_STORAGE_H_

#include "base/screen.h"
#include "cable/cable_database.h"
#include "storage/db/current_schema.h"

namespace telvane {

inline constexpr char kUpdateLegacyQuestion[] =
    "Обновить базу параметров кабелей Microsoft Access (*.mdb)?";

// Asks the question, then the database file, and writes the cable's row.
bool SaveParametersToLegacyA(Screen& screen, const CableRecord& cable);

// Cable `cable` of the base with its sections and planned measurements, as the
// current tables hold it.
DbCable FullFamilyDbCable(const CableBase& base, int cable);
// Asks for the database file and writes the cable.
bool SavePlannedToCurrentSchema(Screen& screen, const CableBase& base, int cable);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_FULL_FAMILY_STORAGE_H_
