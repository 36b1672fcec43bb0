// The operations on the current schema (tables tbl_CableParams,
// tbl_CableTypes, tbl_Frames, tbl_PlanMeasures, tbl_RFGHeaders,
// tbl_RFGPoints): writing cables with their sections, types and planned
// measurements, storing and reading reflectograms, reading cables.
//
// Each operation opens the database at `path`, checks its tables before it
// writes anything, shows its own messages and returns false (or nullopt) on
// failure. Every cable and every reflectogram is written in one transaction:
// a failure leaves no half-written cable, while the cables completed before it
// stay.
#ifndef TELVANE_STORAGE_DB_CURRENT_SCHEMA_H_
#define TELVANE_STORAGE_DB_CURRENT_SCHEMA_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/screen.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

// A row of tbl_CableTypes. The optional values are written only by the
// instruments that have them.
struct DbCableType {
  std::string name;
  float diameter = 0;
  float specific_capacity = 0;
  std::optional<float> contraction;
  std::optional<float> r_conductor;
  std::optional<float> ma;
  bool user_type = false;
  bool operator==(const DbCableType&) const = default;
};

// A section of a cable (a row of tbl_Frames) with its type.
struct DbFrame {
  DbCableType type;
  float length = 0;
  std::optional<float> length_in_points;
  float specific_capacity = 0;
  bool operator==(const DbFrame&) const = default;
};

// One measured pair (a row of tbl_PlanMeasures).
struct DbPlanPair {
  int32_t pair_number = 0;
  float cap_ac = 0, cap_bc = 0, cap_ab = 0;
  float ins_ac = 0, ins_bc = 0, ins_ab = 0;
  std::optional<double> loop_resistance;
  std::optional<double> ohmic_asymmetry;
  std::optional<double> damage_character;
  bool operator==(const DbPlanPair&) const = default;
};

// The three date bytes of a planned measurement: day, month, year - 2000. A
// year byte above 253 means that no date is set (today is used).
struct DbPlanDate {
  uint8_t day = 0;
  uint8_t month = 0;
  uint8_t year = 0;
};

// A cable as the storage writes it: the fields the instrument kind has.
struct DbCable {
  std::string name;
  std::optional<int32_t> nlist;
  std::optional<int32_t> pairs;
  std::optional<float> temperature;
  std::optional<int32_t> address_plan;
  std::optional<int32_t> time_charge;
  std::optional<DbPlanDate> plan_date;  // no date: Date_Plan is not written
  std::vector<DbFrame> frames;
  // Pages that carry planned measurements; written only with a valid date.
  std::optional<std::vector<DbPlanPair>> plan;
};

// A cable as read back.
struct DbStoredCable {
  std::string name;
  int32_t nlist = 0;
  int32_t pairs = 0;
  float temperature = 0;
  int32_t frame_count = 0;  // NumberOfFrames as stored
  int32_t address_plan = 0;
  int32_t time_charge = 0;
  std::optional<DateTime> plan_date;
  std::vector<DbFrame> frames;  // in NumberOfFrame order, each with its type
};

inline constexpr char kCableMissingCaption[] = "Обновление невозможно!!!";
inline constexpr char kCableMissing[] =
    "Сначала необходимо обновить БД параметров кабелей!\r\n(т.к. в БД отсутствуют параметры "
    "данного кабеля!)";
inline constexpr char kUnknownRfgVersion[] = "Неизвестная версия РФГ!";
inline constexpr char kNoPoints[] = "Нет точек!!!";
inline constexpr char kNoPointsCaption[] = "Несоответствие в БД";
inline constexpr char kTooManyPoints[] = "Потеря данных!\r\nТочек больше возможного!";
inline constexpr char kEmptyTable[] = "%s\r\nне содержит данных.";
inline constexpr char kMissingData[] = "%s\r\nне содержит требуемых данных.";

// Writes the cables in order (delete, then add), with their sections, types
// and planned measurements.
bool WriteCables(Screen& screen, const std::string& path, const std::vector<DbCable>& cables);

// Stores one reflectogram under its cable: an existing header of that cable
// and name keeps its RFG_number and gets new points. `sample_count` points are
// written (128, or 160 on the newer page with firmware 8.025 on); on the newer
// page the coordination value goes to rCoordination when the table has it.
bool StoreReflectogram(Screen& screen, const std::string& path, const std::string& cable_name,
                       const ReflectogramRecord& record, int sample_count, bool newer_page);

// A stored reflectogram header.
struct DbStoredReflectogram {
  int64_t rfg_number = 0;
  std::string cable_name;
  std::string name;
  int64_t version = 0;
  std::string date;  // RFG_Date as stored
  TraceSettings settings;
  // "%s (%s)": cable name, reflectogram name.
  std::string Label() const { return cable_name + " (" + name + ")"; }
};

// The headers, cables in name order; nullopt after a shown failure.
std::optional<std::vector<DbStoredReflectogram>> ListReflectograms(Screen& screen,
                                                                   const std::string& path);
// Reads a listed reflectogram into `record` (compact or extended): refuses a
// version other than 1, fills name, date, settings and the points.
bool ReadReflectogram(Screen& screen, const std::string& path, const DbStoredReflectogram& header,
                      ReflectogramRecord& record);

// The names of all cables ("NULL" for a Null name); nullopt after a shown
// failure or when the table is empty ("%s\r\nне содержит данных.").
std::optional<std::vector<std::string>> ListCables(Screen& screen, const std::string& path);
// Reads the named cables with their sections and types.
std::optional<std::vector<DbStoredCable>> ReadCables(Screen& screen, const std::string& path,
                                                     const std::vector<std::string>& names);

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_CURRENT_SCHEMA_H_
