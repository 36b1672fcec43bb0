// The computer's database (tables tbl_CableParams, tbl_Frames,
// tbl_CableTypes) for the cable pages of the reflectometer families: the two
// buttons' dialogs over the rows of family_cable_rows.h.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_CABLE_STORAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY_CABLE_STORAGE_H_

#include <optional>
#include <vector>

#include "base/screen.h"
#include "cable/family/family_model.h"

namespace telvane {

inline constexpr char kSelectCablesFirst[] = "Необходимо выделить требуемые записи кабелей!!!";
inline constexpr char kSelectAllQuestion[] = "Выделить все?";
inline constexpr char kNoCableChosen[] = "Нет выбранных записей!";
inline constexpr char kCablesFull[] = "Достигнуто Максимальное количество кабелей";

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
