// Table and column names of the database, and the script of an empty
// current-schema database.
#ifndef TELVANE_STORAGE_DB_SCHEMA_H_
#define TELVANE_STORAGE_DB_SCHEMA_H_

namespace telvane {

inline constexpr char kCableParams[] = "tbl_CableParams";
inline constexpr char kCableTypes[] = "tbl_CableTypes";
inline constexpr char kFrames[] = "tbl_Frames";
inline constexpr char kPlanMeasures[] = "tbl_PlanMeasures";
inline constexpr char kRfgHeaders[] = "tbl_RFGHeaders";
inline constexpr char kRfgPoints[] = "tbl_RFGPoints";

inline constexpr char kLegacyATable[] = "tbl_ПараметрыКабеля";
inline constexpr char kLegacyBTable[] = "tbl_ПараметрыКабеля04";

// The CREATE statements of data/schema.sql: the six current-schema tables.
const char* CurrentSchemaSql();

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_SCHEMA_H_
