#include "cable/excel_export.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/values.h"
#include "cable/cable_files.h"
#include "cable/excel_sql.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"
#include "support/xlrd_cells.h"

namespace telvane {
namespace {

using testing::ShellQuote;
using testing::XlrdCells;

CableRecord SampleCable() {
  CableRecord cable;
  cable.set_name("МАГИСТРАЛЬ 1");
  cable.set_type_name("ТПП'10");
  cable.set_pair_count(2);
  cable.set_length(1500);
  cable.set_section_count(1);
  cable.set_temperature(20.5f);
  cable.set_zone(3);
  cable.set_notebook_line(0, "ОТ АТС");
  cable.set_notebook_line(1, "ДО ШКАФА");
  cable.set_shortening_factor(1.5f);
  cable.set_armour_reference(0.25f);
  cable.set_condition(1);
  CableSection s;
  s.set_length(250);
  s.set_core_diameter(0.4f);
  s.set_core_resistance(148);
  s.set_capacitance(45);
  s.set_temperature_factor(0.004f);
  cable.set_section(0, s);
  return cable;
}

TEST(ExcelStatements, ParametersAsTheExportBuildsThem) {
  const auto statements = CableParameterStatements(SampleCable());
  ASSERT_EQ(statements.size(), 1u + 10u + 6u);
  EXPECT_EQ(statements[0], "CREATE TABLE Cab_Param (Cab_Name TEXT,Cab_Value TEXT)");
  EXPECT_EQ(statements[1],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('ТИП КАБЕЛЯ                    "
            "','ТПП''10                        ')");
  EXPECT_EQ(statements[2],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('КОЛ-ВО ПАР                    "
            "','2')");
  EXPECT_EQ(statements[5],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('ТЕМПЕРАТУРА                   "
            "','20.5')");
  EXPECT_EQ(statements[7],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('БЛОКНОТ ИЗМЕРИТЕЛЯ            "
            "','ОТ АТСДО ШКАФА')");
  EXPECT_EQ(statements[11],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('УЧАСТОК                        "
            "1','')");
  EXPECT_EQ(statements[12],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('                         длина"
            "','250')");
  EXPECT_EQ(statements[14],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('погонное сопротивление ТПЖ(ом/"
            "','148')");
  EXPECT_EQ(statements[16],
            "INSERT INTO Cab_Param (Cab_Name,Cab_Value) VALUES ('     температурный коэффициент"
            "','0.004')");
}

TEST(ExcelStatements, PlannedRowsCarryMarkersAsStored) {
  CableRecord cable = SampleCable();
  PlannedDatabase planned;
  planned.EnsureSlots()[0].set_pair(1);
  planned.slots[0].set_capacitance_ab(kPairNotMeasured);
  planned.slots[1].set_pair(2);
  planned.slots[1].set_insulation_ac(31000000.0f);
  const auto statements = PlannedStatements(cable, planned);
  ASSERT_EQ(statements.size(), 3u);
  EXPECT_EQ(statements[1],
            "INSERT INTO Cab_Plan_Izm (Para,EM_AB,EM_BC,EM_AC,IZ_AB,IZ_BC,IZ_AC) VALUES ( "
            "1,-2.85e+09,0,0,0,0,0)");
  EXPECT_EQ(statements[2],
            "INSERT INTO Cab_Plan_Izm (Para,EM_AB,EM_BC,EM_AC,IZ_AB,IZ_BC,IZ_AC) VALUES ( "
            "2,0,0,0,0,0,3.1e+07)");
}

TEST(ExcelSql, ParsesTheStatementsAndRefusesWhatDoesNotFit) {
  testing::TempDir dir;
  ExcelSqlConnection c;
  EXPECT_FALSE(c.Open("DRIVER={OTHER};DBQ=" + dir.File("a.xls"), dir.File("a.xls")));
  EXPECT_FALSE(c.Open(ExcelConnectionString(dir.File("missing/a.xls")), dir.File("missing/a.xls")));
  ASSERT_TRUE(c.Open(ExcelConnectionString(dir.File("a.xls")), dir.File("a.xls")));
  EXPECT_FALSE(c.Execute("INSERT INTO T (A) VALUES ('x')"));  // no table yet
  ASSERT_TRUE(c.Execute("CREATE TABLE T (A TEXT,B NUMBER)"));
  EXPECT_FALSE(c.Execute("CREATE TABLE U (A TEXT)"));
  EXPECT_TRUE(c.Execute("INSERT INTO T (B,A) VALUES ( 1.5e+02,'it''s, (x)')"));
  EXPECT_FALSE(c.Execute("INSERT INTO T (A,B) VALUES ('it's',1)"));
  EXPECT_FALSE(c.Execute("INSERT INTO T (A,B) VALUES ('x',abc)"));
  EXPECT_FALSE(c.Execute("INSERT INTO T (A,C) VALUES ('x',1)"));
  EXPECT_FALSE(c.Execute("INSERT INTO T (A,B) VALUES ('x')"));
  ASSERT_EQ(c.rows().size(), 1u);
  EXPECT_EQ(std::get<std::string>(c.rows()[0][0]), "it's, (x)");
  EXPECT_EQ(std::get<double>(c.rows()[0][1]), 150.0);
  EXPECT_EQ(ExcelConnectionString("/d/a.xls"),
            "DRIVER={MICROSOFT EXCEL DRIVER (*.XLS)};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;"
            "CREATE_DB=\"/d/a.xls\";DBQ=/d/a.xls");
}

class ExcelExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_.header.set_cable_count(1);
    base_.cables[0] = SampleCable();
    base_.planned[0].date = {9, 12, 26};
    auto& slots = base_.planned[0].EnsureSlots();
    slots[0].set_pair(1);
    slots[0].set_capacitance_ab(45.5f);
    slots[0].set_insulation_ac(kInsulationAboveRange);
    slots[1].set_pair(2);
    slots[1].set_capacitance_ab(kPairNotMeasured);
  }
  // The scripted folder choice (a plain string would call the dialog itself).
  void PickFolder(const std::string& folder) { screen_.AnswerFolder(folder); }
  std::string CableFolder() const { return dir_.File("МАГИСТРАЛЬ 1"); }

  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  CableBase base_;
};

TEST_F(ExcelExportTest, ParametersWorkbookReadsBackWithXlrd) {
  PickFolder(dir_.path().string());
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  const auto cells = XlrdCells(CableFolder() + "/Параметры кабеля.xls");
  ASSERT_EQ(cells.size(), 1u + 2u * 17u) << (cells.empty() ? "" : cells[0]);
  EXPECT_EQ(cells[0], "size 17 2");
  EXPECT_EQ(cells[1], "0 0 text Cab_Name");
  EXPECT_EQ(cells[2], "0 1 text Cab_Value");
  EXPECT_EQ(cells[3], "1 0 text ТИП КАБЕЛЯ                    ");
  EXPECT_EQ(cells[4], "1 1 text ТПП'10                        ");
  EXPECT_EQ(cells[6], "2 1 text 2");
  EXPECT_EQ(cells[22], "10 1 text 1");  // УСЛОВИЕ, the tenth property
  EXPECT_EQ(cells[23], "11 0 text УЧАСТОК                        1");
  EXPECT_EQ(cells[26], "12 1 text 250");
  EXPECT_EQ(cells[28], "13 1 text 0.4");
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(ExcelExportTest, SectionCountZeroGivesTheTenPropertyRowsOnly) {
  base_.cables[0].set_section_count(0);
  PickFolder(dir_.path().string() + "/");
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  const auto cells = XlrdCells(CableFolder() + "/Параметры кабеля.xls");
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells[0], "size 11 2");
}

TEST_F(ExcelExportTest, PlannedWorkbookHasNumbersUnderTheColumnNames) {
  std::filesystem::create_directories(CableFolder() + "/Плановые измерения");
  const std::string path = CableFolder() + "/Плановые измерения/p_09_12_26.xls";
  testing::WriteAll(path, std::vector<uint8_t>(5000, 1));  // replaced
  PickFolder(dir_.path().string());
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportPlanned));
  const auto cells = XlrdCells(path);
  ASSERT_EQ(cells.size(), 1u + 3u * 7u);
  EXPECT_EQ(cells[0], "size 3 7");
  const char* names[] = {"Para", "EM_AB", "EM_BC", "EM_AC", "IZ_AB", "IZ_BC", "IZ_AC"};
  for (int c = 0; c < 7; ++c)
    EXPECT_EQ(cells[1 + c], "0 " + std::to_string(c) + " text " + names[c]);
  EXPECT_EQ(cells[8], "1 0 number 1.0");
  EXPECT_EQ(cells[9], "1 1 number 45.5");
  EXPECT_EQ(cells[14], "1 6 number 31000000.0");
  EXPECT_EQ(cells[15], "2 0 number 2.0");
  EXPECT_EQ(cells[16], "2 1 number -2850000000.0");
}

TEST_F(ExcelExportTest, CableWithoutPairsGivesTheHeaderRowOnly) {
  base_.cables[0].set_pair_count(0);
  PickFolder(dir_.path().string());
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportPlanned));
  const auto cells = XlrdCells(CableFolder() + "/Плановые измерения/p_09_12_26.xls");
  ASSERT_EQ(cells.size(), 8u);
  EXPECT_EQ(cells[0], "size 1 7");
}

TEST_F(ExcelExportTest, RefusalsCancelAndMissingFolder) {
  EXPECT_FALSE(ExportCableToExcel(screen_, base_, 0, kExportReflectograms));
  EXPECT_FALSE(ExportCableToExcel(screen_, base_, 0, 7));
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Warning: Данная функция недоступна",
                                                              "Error: Неверный номер БД"}));
  screen_.ClearShown();
  screen_.AnswerFolder(std::nullopt);
  EXPECT_FALSE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  // A folder that cannot be made is not reported itself; the workbook then
  // cannot be created, and that is reported with its file name.
  PickFolder(dir_.File("absent/deeper"));
  EXPECT_FALSE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Ошибка создания файла: " +
                                     dir_.File("absent/deeper/МАГИСТРАЛЬ 1/Параметры кабеля.xls")});
  EXPECT_FALSE(std::filesystem::exists(dir_.File("absent")));
  ASSERT_EQ(screen_.shown().size(), 3u);
  EXPECT_EQ(screen_.shown()[0].text, "Создание файла MS Excel");
}

TEST_F(ExcelExportTest, CableNameCannotLeaveTheChosenFolder) {
  const std::string inner = dir_.File("inner");
  std::filesystem::create_directory(inner);
  base_.cables[0].set_name("..");
  PickFolder(inner);
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  EXPECT_TRUE(std::filesystem::exists(inner + "/_/Параметры кабеля.xls"));
  base_.cables[0].set_name("../../x");
  PickFolder(inner);
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  EXPECT_TRUE(std::filesystem::exists(inner + "/.._.._x/Параметры кабеля.xls"));
}

// Names and paths are data: the characters of connection-string and SQL
// syntax in a cable name or a chosen path neither move the workbook nor cut
// its name short.
TEST_F(ExcelExportTest, NamesAndPathsHoldingSyntaxStayWhole) {
  const std::string chosen = dir_.File("chosen;DBQ=x=\"y\" {z} 'q'");
  std::filesystem::create_directory(chosen);
  base_.cables[0].set_name("x;DBQ=..;\"'{}");
  PickFolder(chosen);
  ASSERT_TRUE(ExportCableToExcel(screen_, base_, 0, kExportParameters));
  const std::string workbook = chosen + "/x;DBQ=..;\"'{}/Параметры кабеля.xls";
  EXPECT_EQ(XlrdCells(workbook).size(), 1u + 2u * 17u);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path())) ++entries;
  EXPECT_EQ(entries, 1u);  // only the chosen folder; nothing written beside it

  CableTypeTable table;
  table.types.resize(1);
  table.types[0].set_name("a';{}=\"");
  const std::string file = dir_.File("a;b=c\"d\"{e}'f'.xls");
  screen_.ChooseFile(file, 1);
  ASSERT_TRUE(ExportCableTypesToExcel(screen_, table));
  const auto cells = XlrdCells(file);
  ASSERT_EQ(cells.size(), 7u) << ::testing::PrintToString(cells);
  EXPECT_EQ(cells[4], "1 0 text a';{}=\"         ");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a")));
  EXPECT_TRUE(screen_.messages().empty());
}

// The export replaces only a regular file, and only with a complete
// workbook: a folder, a FIFO or a device node at the chosen path stays as it
// was, and a workbook that fails half way leaves the old file untouched.
TEST_F(ExcelExportTest, ExportReplacesOnlyARegularFileAndOnlyWhenComplete) {
  CableTypeTable table;
  table.types.resize(1);
  const std::string folder = dir_.File("folder.xls");
  std::filesystem::create_directory(folder);
  const std::string fifo = dir_.File("fifo.xls");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A device node of its own (the null device's numbers) where it may be made.
  const std::string device = dir_.File("device.xls");
  const bool have_device = ::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
  std::vector<std::string> targets = {folder, fifo};
  if (have_device) targets.push_back(device);
  for (const std::string& target : targets) {
    screen_.ClearShown();
    screen_.ChooseFile(target, 1);
    EXPECT_FALSE(ExportCableTypesToExcel(screen_, table)) << target;
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка создания файла: " + target});
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  if (have_device) EXPECT_TRUE(std::filesystem::is_character_file(device));

  const std::string old_file = dir_.File("old.xls");
  const std::vector<uint8_t> old_bytes(5000, 7);
  testing::WriteAll(old_file, old_bytes);
  screen_.ClearShown();
  EXPECT_FALSE(WriteExcelWorkbook(screen_, old_file,
                                  {"CREATE TABLE T (A TEXT)", "INSERT INTO T (A) VALUES ('x')",
                                   "INSERT INTO T (B) VALUES ('y')"}));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка создания файла: " + old_file});
  EXPECT_EQ(testing::ReadAll(old_file), old_bytes);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path())) ++entries;
  // The folder, the FIFO, the device and the old file: no new file is left.
  EXPECT_EQ(entries, have_device ? 4u : 3u);
}

// From the command line a failed export exits 1 with the box's text, and the
// old file stays as it was: a folder in the way, a missing folder, and a
// workbook cut short by the file-size limit.
TEST_F(ExcelExportTest, FailedExportFromTheCommandLineExitsOneAndKeepsTheOldFile) {
  CableTypeTable table;
  table.types.resize(100);
  const std::string types = dir_.File("types.bin");
  ASSERT_TRUE(SaveCableTypeFile(screen_, table, types));
  const std::string old_file = dir_.File("old.xls");
  const std::vector<uint8_t> old_bytes(300, 'o');
  testing::WriteAll(old_file, old_bytes);
  const std::string folder = dir_.File("folder.xls");
  std::filesystem::create_directory(folder);
  auto run = [&](const std::string& limit, const std::string& target, std::string& output) {
    const std::string command =
        "sh -c " +
        ShellQuote(limit + "exec " + TELVANE_CLI_PATH + " --file " + ShellQuote(types) +
                   " --file " + ShellQuote(target) + " cable types excel") +
        " 2>&1";
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    for (int c; (c = fgetc(pipe)) != EOF;) output += static_cast<char>(c);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  std::string output;
  for (const std::string& target : {folder, dir_.File("missing/x.xls")}) {
    EXPECT_EQ(run("", target, output), 1) << output;
    EXPECT_EQ(output, "Ошибка создания файла: " + target + "\n");
  }
  EXPECT_EQ(run("ulimit -f 2; ", old_file, output), 1) << output;
  EXPECT_EQ(output, "Ошибка создания файла: " + old_file + "\n");
  EXPECT_EQ(testing::ReadAll(old_file), old_bytes);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path())) ++entries;
  EXPECT_EQ(entries, 3u);  // the type file, the old file and the folder
  EXPECT_EQ(run("", old_file, output), 0) << output;
  EXPECT_GT(testing::ReadAll(old_file).size(), 2048u);
}

TEST_F(ExcelExportTest, TypeTableWorkbook) {
  CableTypeTable table;
  table.types.resize(2);
  table.types[0].set_name("ТПП'Э");
  table.types[0].set_specific_resistance(28.5f);
  table.types[0].set_temperature_factor(0.004f);
  const std::string path = dir_.File("types.xls");
  screen_.ChooseFile(path, 1);
  ASSERT_TRUE(ExportCableTypesToExcel(screen_, table));
  EXPECT_FALSE(screen_.wait_cursor());
  EXPECT_EQ(screen_.wait_cursor_changes(), 2);
  const auto cells = XlrdCells(path);
  ASSERT_EQ(cells.size(), 10u);
  EXPECT_EQ(cells[0], "size 3 3");
  EXPECT_EQ(cells[1], "0 0 text Cable_Type");
  EXPECT_EQ(cells[4], "1 0 text ТПП'Э           ");
  EXPECT_EQ(cells[5], "1 1 number 28.5");
  EXPECT_EQ(cells[6], "1 2 number 0.004");
  EXPECT_EQ(cells[7], "2 0 text                 ");
  EXPECT_EQ(cells[8], "2 1 number 0.0");
}

}  // namespace
}  // namespace telvane
