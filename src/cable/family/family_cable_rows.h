// Which fields of a reflectometer family's cable record go to which column of
// the current tables (tbl_CableParams, tbl_Frames, tbl_CableTypes) and back,
// as docs/family-435.md ("The computer's database") lays it down.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_CABLE_ROWS_H_
#define TELVANE_CABLE_FAMILY_FAMILY_CABLE_ROWS_H_

#include "cable/family/family_model.h"
#include "storage/db/current_schema.h"

namespace telvane {

// Cable `cable` of the model as the database stores it: its name, its list
// index, pairs, temperature and charge time where the family has them, and per
// section its type (name, values 2, 3 and 4, the type index as MA), length and
// length in trace points. An empty row for an index beyond the database.
DbCable FamilyDbCable(const FamilyModel& model, int cable);

// Writes a stored cable's fields into cable `cable` of the model (name aside):
// the fields of FamilyDbCable, each brought into its field's range, sections
// beyond the record's room dropped. Nothing for an index beyond the database.
void ApplyDbCable(const DbStoredCable& stored, FamilyModel& model, int cable);

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_CABLE_ROWS_H_
