#include "cable/excel_export.h"

#include <sys/stat.h>

#include "base/cp1251.h"
#include "base/file_messages.h"
#include "base/sprintf.h"
#include "cable/excel_sql.h"
#include "cable/folder_names.h"

namespace telvane {
namespace {

constexpr char kParamInsert[] = "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('%s','%s')";

// Formats one value the way its statement does, in CP1251 so that widths
// count characters, and returns it as UTF-8 with quotes doubled.
template <typename... Args>
std::string Field(const char* format, Args... args) {
  return EscapeSqlText(Cp1251ToUtf8(Sprintf(format, args...)));
}

std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }

std::string ParamRow(const std::string& name_field, const std::string& value_field) {
  return Sprintf(kParamInsert, name_field.c_str(), value_field.c_str());
}

std::string Name30(std::string_view utf8) { return Field("%-30.30s", Cp(utf8).c_str()); }

std::string NotebookText(const CableRecord& cable) {
  std::string out;
  for (int line = 0; line < CableRecord::kNotebookLines; ++line) {
    const auto bytes = cable.notebook_bytes(line);
    for (size_t i = 0; i < CableRecord::kTextChars; ++i) {
      if (bytes[i] != 0) out += static_cast<char>(bytes[i]);
    }
  }
  return out;
}

double D(float v) { return static_cast<double>(v); }

}  // namespace

std::vector<std::string> CableParameterStatements(const CableRecord& cable) {
  std::vector<std::string> out = {"CREATE TABLE Cab_Param (Cab_Name TEXT,Cab_Value TEXT)"};
  auto whole = [&](std::string_view name, unsigned v) {
    out.push_back(ParamRow(Name30(name), Field("%-u", v)));
  };
  auto real = [&](std::string_view name, float v) {
    out.push_back(ParamRow(Name30(name), Field("%-g", D(v))));
  };
  out.push_back(ParamRow(Name30("ТИП КАБЕЛЯ"), Field("%-30.30s", cable.raw_type_name().c_str())));
  whole("КОЛ-ВО ПАР", cable.pair_count());
  whole("ДЛИНА КАБЕЛЯ", cable.length());
  whole("КОЛ-ВО УЧАСТКОВ", cable.section_count());
  real("ТЕМПЕРАТУРА", cable.temperature());
  whole("ЗОНА", cable.zone());
  out.push_back(ParamRow(Name30("БЛОКНОТ ИЗМЕРИТЕЛЯ"), Field("%-s", NotebookText(cable).c_str())));
  real("КОЭФФИЦИЕНТ УКОРОЧЕНИЯ", cable.shortening_factor());
  real("ЭТАЛОН БРОНИ КАБЕЛЯ", cable.armour_reference());
  whole("УСЛОВИЕ", cable.condition());

  // A count above five from the instrument is held to the five sections the
  // record has.
  const int sections = std::min<int>(cable.section_count(), CableRecord::kSections);
  for (int k = 0; k < sections; ++k) {
    const CableSection s = cable.section(k);
    out.push_back(
        ParamRow(Field("%-30.30s %u", Cp("УЧАСТОК").c_str(), static_cast<unsigned>(k + 1)),
                 Field("%-s", "")));
    auto right_whole = [&](std::string_view name, unsigned v) {
      out.push_back(ParamRow(Field("%30.30s", Cp(name).c_str()), Field("%u", v)));
    };
    auto right_real = [&](std::string_view name, float v) {
      out.push_back(ParamRow(Field("%30.30s", Cp(name).c_str()), Field("%g", D(v))));
    };
    right_whole("длина", s.length());
    right_real("диаметр", s.core_diameter());
    right_whole("погонное сопротивление ТПЖ(ом/км)", s.core_resistance());
    right_whole("удельная емкость (нф/км)", s.capacitance());
    right_real("температурный коэффициент", s.temperature_factor());
  }
  return out;
}

std::vector<std::string> PlannedStatements(const CableRecord& cable,
                                           const PlannedDatabase& planned) {
  std::vector<std::string> out = {
      "CREATE TABLE Cab_Plan_Izm (Para NUMBER,EM_AB NUMBER,EM_BC NUMBER,EM_AC NUMBER,IZ_AB "
      "NUMBER,IZ_BC NUMBER,IZ_AC NUMBER)"};
  const int count = std::min<int>(cable.pair_count(), kPlannedSlotsPerCable);
  for (int i = 0; i < count; ++i) {
    const PlannedMeasurement slot = static_cast<size_t>(i) < planned.slots.size()
                                        ? planned.slots[static_cast<size_t>(i)]
                                        : PlannedMeasurement();
    const auto v = slot.values();
    out.push_back(Sprintf(
        "INSERT INTO Cab_Plan_Izm (Para,EM_AB,EM_BC,EM_AC,IZ_AB,IZ_BC,IZ_AC) VALUES ( "
        "%u,%-g,%-g,%-g,%-g,%-g,%-g)",
        static_cast<unsigned>(slot.pair()), D(v[0]), D(v[1]), D(v[2]), D(v[3]), D(v[4]), D(v[5])));
  }
  return out;
}

std::vector<std::string> CableTypeStatements(const CableTypeTable& table) {
  std::vector<std::string> out = {
      "CREATE TABLE CableBase (Cable_Type TEXT,Specific_Resistance NUMBER,Temperature_Factor "
      "NUMBER)"};
  for (const auto& type : table.types) {
    out.push_back(
        Sprintf("INSERT INTO CableBase (Cable_Type,Specific_Resistance,Temperature_Factor) VALUES "
                "('%s',%-13.6g,%-13.6g)",
                Field("%-16.16s", type.raw_name().c_str()).c_str(), D(type.specific_resistance()),
                D(type.temperature_factor())));
  }
  return out;
}

bool WriteExcelWorkbook(Screen& screen, const std::string& path,
                        const std::vector<std::string>& statements) {
  ExcelSqlConnection connection;
  bool ok = connection.Open(ExcelConnectionString(path), path);
  for (size_t i = 0; ok && i < statements.size(); ++i) ok = connection.Execute(statements[i]);
  ok = ok && connection.Close();
  if (!ok) ShowFileError(screen, kCreateFileError, path);
  return ok;
}

std::string PrepareCableExportPath(const std::string& folder, const CableRecord& cable,
                                   const PlannedDatabase& planned, int database_number) {
  std::string path = JoinPath(folder, SafeFolderName(cable.name()));
  ::mkdir(path.c_str(), 0755);
  if (database_number == kExportParameters) return path + "/Параметры кабеля.xls";
  path += "/Плановые измерения";
  ::mkdir(path.c_str(), 0755);
  return path + Sprintf("/p_%.2u_%.2u_%.2u.xls", static_cast<unsigned>(planned.date[0]),
                        static_cast<unsigned>(planned.date[1]),
                        static_cast<unsigned>(planned.date[2]));
}

bool ExportCableToExcel(Screen& screen, const CableBase& base, int cable, int database_number) {
  if (database_number == kExportReflectograms) {
    screen.ShowMessage(Icon::kWarning, "Warning", "Данная функция недоступна");
    return false;
  }
  if (database_number != kExportParameters && database_number != kExportPlanned) {
    screen.ShowMessage(Icon::kError, "Error", "Неверный номер БД");
    return false;
  }
  if (cable < 0 || cable >= kMaxCables) return false;
  const auto folder = screen.ChooseFolder("Создание файла MS Excel");
  if (!folder) return false;
  const CableRecord& record = base.cables[static_cast<size_t>(cable)];
  const PlannedDatabase& planned = base.planned[static_cast<size_t>(cable)];
  const std::string path = PrepareCableExportPath(*folder, record, planned, database_number);
  return WriteExcelWorkbook(screen, path,
                            database_number == kExportParameters
                                ? CableParameterStatements(record)
                                : PlannedStatements(record, planned));
}

FileDialog CableTypeExcelDialog() {
  return {"", {{"Excel Files", "*.xls"}, {"All files", "*.*"}}, "xls", ""};
}

bool ExportCableTypesToExcel(Screen& screen, const CableTypeTable& table) {
  const auto choice = screen.ChooseSaveFile(CableTypeExcelDialog());
  if (!choice) return false;
  WaitCursor wait(screen);
  return WriteExcelWorkbook(screen, choice->path, CableTypeStatements(table));
}

}  // namespace telvane
