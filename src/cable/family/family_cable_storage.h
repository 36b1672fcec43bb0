// The computer's database (tables tbl_CableParams, tbl_Frames,
// tbl_CableTypes) for the cable pages of the reflectometer families: which
// fields of a cable record go to which column and back (docs/family-435.md,
// "The computer's database"), and the two buttons' dialogs.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_CABLE_STORAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY_CABLE_STORAGE_H_

#include <optional>
#include <vector>

#include "base/screen.h"
#include "cable/family/family_model.h"
#include "storage/db/current_schema.h"

namespace telvane {

inline constexpr char kSelectCablesFirst[] = "Необходимо выделить требуемые записи кабелей!!!";
inline constexpr char kSelectAllQuestion[] = "Выделить все?";
inline constexpr char kNoCableChosen[] = "Нет выбранных записей!";
inline constexpr char kCablesFull[] = "Достигнуто Максимальное количество кабелей";

// Cable `cable` of the model as the database stores it: its name, its list
// index, pairs, temperature and charge time where the family has them, and per
// section its type (name, values 2, 3 and 4, the type index as MA), length and
// length in trace points.
DbCable FamilyDbCable(const FamilyModel& model, int cable);

// Writes a stored cable's fields into cable `cable` of the model (name aside):
// the fields of FamilyDbCable, sections beyond the family's room dropped.
void ApplyDbCable(const DbStoredCable& stored, FamilyModel& model, int cable);

// Asks for the database and writes the cables, in the order given.
bool SaveFamilyCables(Screen& screen, const FamilyModel& model, const std::vector<int>& cables);

// Asks for the database, lists its cables and reads the chosen ones ("Выделить
// все?": Yes takes every cable, No lets one be chosen from the list): a cable
// of the same name is replaced, another is added while the instrument has
// room. The indices of the cables read, in the order read; nullopt when
// nothing was read.
std::optional<std::vector<int>> OpenFamilyCables(Screen& screen, FamilyModel& model);

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_CABLE_STORAGE_H_
