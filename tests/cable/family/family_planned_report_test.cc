// The planned-measurement reports of the 435-byte and 233-byte families seen
// as files: the CSV byte for byte, the 435-byte worksheet record for record,
// the 233-byte worksheet as python3-xlrd reads it, and the record decoding
// with its bounds.
#include "cable/family/family_planned_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "base/values.h"
#include "cable/family/family_planned.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "support/xlrd_cells.h"

namespace telvane {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
using testing::XlrdCells;

using Bytes = std::vector<uint8_t>;

// Two pairs with a value of every row of the formatter: pair 0 has the
// pair-not-measured marker in capacitance A–C only, pair 1 the
// value-not-measured marker in insulation B–C.
PlannedCable SampleCable(Family family) {
  PlannedCable cable;
  cable.limit = {8.027, 20000000.0f};
  if (family == Family::k435) {
    cable.name = "План-1";
    cable.date = {9, 12, 26};
  }
  cable.pairs.resize(kPlannedPairSlots);
  //                       ins AC  ins BC  ins AB       cap AC            cap BC cap AB loop  Ra
  cable.pairs[0].values = {999.0f, 5000.0f, 60000000.0f, kPairNotMeasured,
                           45.5f,  120.0f,  999.95f,     1000.0f};
  cable.pairs[1].values = {50.0f, kValueNotMeasured, 250000.0f, 2100.0f,
                           51.0f, 2000.0f,           12.34f,    0.0f};
  return cable;
}

PlannedReport SampleReport(Family family) {
  PlannedReport report;
  report.family = family;
  report.instrument = "Измеритель";
  report.serial = "123456";
  report.cable = "Магистраль 2";
  const PlannedCable cable = SampleCable(family);
  if (family == Family::k435) {
    report.planned_name = cable.name;
    report.date = PlannedDateText(cable);
  }
  report.rows = PlannedRows(family, cable, 2);
  return report;
}

std::string Cp(const std::string& utf8) { return Utf8ToCp1251(utf8); }

TEST(FamilyPlannedRowsTest, ValuesAreFormattedByColumnAndMarkersKeepTheirPlaceholder) {
  const std::vector<PlannedRow> rows = PlannedRows(Family::k435, SampleCable(Family::k435), 2);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].pair, 0u);
  EXPECT_EQ(rows[0].cells,
            (std::vector<std::string>{"    -----    ", "45.5 нФ", " 120 нФ", "  1000 КОм ",
                                      "   5.0 МОм ", ">20000 МОм", "1000.0 Ом ", "  1000 Ом "}));
  EXPECT_EQ(rows[1].cells,
            (std::vector<std::string>{">2000 нФ", "51.0 нФ", "2000 нФ", "    50 КОм ",
                                      "    -----    ", "   250 МОм ", "  12.3 Ом ", "   0.0 Ом "}));
  // Six values a pair in the 233-byte family.
  const auto rows233 = PlannedRows(Family::k233, SampleCable(Family::k233), 1);
  ASSERT_EQ(rows233.size(), 1u);
  EXPECT_EQ(rows233[0].cells.size(), 6u);
  EXPECT_EQ(rows233[0].cells[5], ">20000 МОм");
}

TEST(FamilyPlannedRowsTest, PairCountsAreBoundByTheSlots) {
  const PlannedCable cable = SampleCable(Family::k435);
  EXPECT_EQ(PlannedRows(Family::k435, cable, 65535).size(), 2000u);
  EXPECT_TRUE(PlannedRows(Family::k435, cable, -3).empty());
  PlannedCable short_cable = cable;
  short_cable.pairs.resize(5);
  EXPECT_EQ(PlannedRows(Family::k435, short_cable, 100).size(), 5u);
}

TEST(FamilyPlannedRecordTest, DecodesTheHeadAndThePairsAtTheirOffsets) {
  Bytes bytes(64064, 0);
  StoreLeFloat(8.027f, bytes.data());
  StoreLeFloat(1500000.0f, bytes.data() + 4);
  const std::string name = Cp("План");
  std::copy(name.begin(), name.end(), bytes.begin() + 8);
  bytes[49] = 3;
  bytes[50] = 11;
  bytes[51] = 25;
  // Pair 1999's Rа, the last four bytes of the record.
  StoreLeFloat(7.5f, bytes.data() + 64060);
  // Pair 1's capacitance A–C at 64 + 32 + 12.
  StoreLeFloat(33.0f, bytes.data() + 108);
  const auto cable = DecodePlannedCable(Family::k435, bytes);
  ASSERT_TRUE(cable.has_value());
  EXPECT_FLOAT_EQ(static_cast<float>(cable->limit.version), 8.027f);
  EXPECT_EQ(cable->limit.limit_kohm, 1500000.0f);
  EXPECT_EQ(cable->name, "План");
  EXPECT_EQ(PlannedDateText(*cable), "03.11.2025");
  EXPECT_EQ(cable->pairs.size(), 2000u);
  EXPECT_EQ(cable->pairs[1999].values[kResistanceA], 7.5f);
  EXPECT_EQ(cable->pairs[1].values[kCapacitanceAc], 33.0f);
  EXPECT_EQ(EncodePlannedCable(Family::k435, *cable), bytes);

  // 233-byte family: the pairs from 16, 24 bytes each, no name.
  Bytes small(48016, 0);
  StoreLeFloat(8.0f, small.data());
  StoreLeFloat(2.0f, small.data() + 16 + 24 * 1999 + 20);
  const auto cable233 = DecodePlannedCable(Family::k233, small);
  ASSERT_TRUE(cable233.has_value());
  EXPECT_EQ(cable233->name, "");
  EXPECT_EQ(cable233->pairs[1999].values[kCapacitanceAb], 2.0f);
  EXPECT_EQ(EncodePlannedCable(Family::k233, *cable233), small);
}

TEST(FamilyPlannedRecordTest, AnyOtherSizeIsRefused) {
  EXPECT_FALSE(DecodePlannedCable(Family::k435, Bytes(64063)).has_value());
  EXPECT_FALSE(DecodePlannedCable(Family::k435, Bytes(64065)).has_value());
  EXPECT_FALSE(DecodePlannedCable(Family::k435, Bytes(48016)).has_value());
  EXPECT_FALSE(DecodePlannedCable(Family::k233, Bytes(64064)).has_value());
  EXPECT_FALSE(DecodePlannedCable(Family::k343, Bytes(64064)).has_value());
  EXPECT_FALSE(DecodePlannedCable(Family::k233, Bytes()).has_value());
}

const char kHeadingsSemicolon[] =
    "Номер пары     ;Емкость AC     ;Емкость BC     ;Емкость AB     ;Изоляция AC    ;"
    "Изоляция BC    ;Изоляция AB    ;Rшл (Ом)       ;Rа (Ом)        \r";

TEST(FamilyPlannedCsvTest, SemicolonFileByteForByte) {
  const std::string expected = Cp(
      "Наименование прибора: Измеритель\r"
      "Серийный номер: 123456\r"
      "Плановые измерения по кабелю: Магистраль 2\r"
      "Имя плановых измерений: План-1Дата проведения измерений: 09.12.2026\r" +
      std::string(kHeadingsSemicolon) +
      "0;    -----    ;45.5 нФ; 120 нФ;  1000 КОм ;   5.0 МОм ;>20000 МОм;1000.0 Ом ;  1000 Ом \r"
      "1;>2000 нФ;51.0 нФ;2000 нФ;    50 КОм ;    -----    ;   250 МОм ;  12.3 Ом ;   0.0 Ом \r");
  EXPECT_EQ(PlannedReportCsv(SampleReport(Family::k435), ';'), expected);
  // No line feed anywhere; every line ends in CR alone.
  EXPECT_EQ(expected.find('\n'), std::string::npos);
}

TEST(FamilyPlannedCsvTest, CommaFileWrittenThroughTheThirdFilter) {
  TempDir dir;
  testing::ScriptedScreen screen;
  const std::string path = dir.File("plan.csv");
  WriteAll(path, Bytes{'o', 'l', 'd'});
  ASSERT_TRUE(SavePlannedReport(screen, FileChoice{path, 3}, SampleReport(Family::k435)));
  const Bytes written = ReadAll(path);
  const std::string text(written.begin(), written.end());
  const std::string expected = Cp(
      "Наименование прибора: Измеритель\r"
      "Серийный номер: 123456\r"
      "Плановые измерения по кабелю: Магистраль 2\r"
      "Имя плановых измерений: План-1Дата проведения измерений: 09.12.2026\r"
      "Номер пары     ,Емкость AC     ,Емкость BC     ,Емкость AB     ,Изоляция AC    ,"
      "Изоляция BC    ,Изоляция AB    ,Rшл (Ом)       ,Rа (Ом)        \r"
      "0,    -----    ,45.5 нФ, 120 нФ,  1000 КОм ,   5.0 МОм ,>20000 МОм,1000.0 Ом ,  1000 Ом \r"
      "1,>2000 нФ,51.0 нФ,2000 нФ,    50 КОм ,    -----    ,   250 МОм ,  12.3 Ом ,   0.0 Ом \r");
  EXPECT_EQ(text, expected);
  // The second filter gives the semicolon file.
  ASSERT_TRUE(SavePlannedReport(screen, FileChoice{path, 2}, SampleReport(Family::k435)));
  const Bytes semicolon = ReadAll(path);
  EXPECT_EQ(std::string(semicolon.begin(), semicolon.end()),
            PlannedReportCsv(SampleReport(Family::k435), ';'));
  EXPECT_TRUE(screen.MessageLines().empty());
  // Nothing is left beside the file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(FamilyPlannedCsvTest, AFileThatCannotBeCreatedIsReportedWithItsName) {
  TempDir dir;
  testing::ScriptedScreen screen;
  const std::string path = dir.File("missing/plan.csv");
  EXPECT_FALSE(SavePlannedReport(screen, FileChoice{path, 2}, SampleReport(Family::k435)));
  EXPECT_EQ(screen.MessageLines(), (std::vector<std::string>{"Ошибка создания файла: " + path}));
  // A folder is never replaced.
  std::filesystem::create_directory(dir.File("folder.csv"));
  EXPECT_FALSE(
      SavePlannedReport(screen, FileChoice{dir.File("folder.csv"), 2}, SampleReport(Family::k435)));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.csv")));
}

// --- Worksheets -------------------------------------------------------------------

Bytes Record(uint16_t type, const Bytes& data) {
  Bytes out = {static_cast<uint8_t>(type), static_cast<uint8_t>(type >> 8),
               static_cast<uint8_t>(data.size()), static_cast<uint8_t>(data.size() >> 8)};
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

Bytes Cell(uint16_t row, uint16_t column, uint8_t attribute2) {
  return {static_cast<uint8_t>(row),
          static_cast<uint8_t>(row >> 8),
          static_cast<uint8_t>(column),
          static_cast<uint8_t>(column >> 8),
          0,
          0,
          attribute2};
}

Bytes Label(uint16_t row, uint16_t column, uint8_t attribute2, const std::string& utf8) {
  Bytes data = Cell(row, column, attribute2);
  const std::string text = Cp(utf8);
  data.push_back(static_cast<uint8_t>(text.size()));
  data.insert(data.end(), text.begin(), text.end());
  return Record(0x0004, data);
}

Bytes Integer(uint16_t row, uint16_t value) {
  Bytes data = Cell(row, 0, 2);
  data.push_back(static_cast<uint8_t>(value));
  data.push_back(static_cast<uint8_t>(value >> 8));
  return Record(0x0002, data);
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

TEST(FamilyPlannedWorksheetTest, The435WorksheetRecordForRecord) {
  Bytes expected;
  Append(expected, Record(0x0009, {2, 0, 0x10, 0}));
  Append(expected, Record(0x0042, {0xE3, 0x04}));
  Append(expected, Record(0x0024, {0, 0, 255, 12}));
  Append(expected, Record(0x0024, {1, 6, 255, 15}));
  Append(expected, Label(0, 0, 1, "Наименование прибора: Измеритель"));
  Append(expected, Label(1, 0, 1, "Серийный номер: 123456"));
  Append(expected, Label(2, 0, 1, "Плановые измерения по кабелю: Магистраль 2"));
  Append(expected, Label(3, 0, 1, "Имя плановых измерений: План-1"));
  Append(expected, Label(4, 0, 1, "Дата проведения измерений: 09.12.2026"));
  const char* headings[] = {"Номер пары",  "Емкость AC",  "Емкость BC", "Емкость AB", "Изоляция AC",
                            "Изоляция BC", "Изоляция AB", "Rшл (Ом)",   "Rа (Ом)"};
  const uint8_t attributes[] = {106, 98, 98, 98, 98, 98, 114, 114, 114};
  for (uint16_t c = 0; c < 9; ++c) Append(expected, Label(6, c, attributes[c], headings[c]));
  const std::vector<std::vector<std::string>> cells = {
      {"    -----    ", "45.5 нФ", " 120 нФ", "  1000 КОм ", "   5.0 МОм ", ">20000 МОм",
       "1000.0 Ом ", "  1000 Ом "},
      {">2000 нФ", "51.0 нФ", "2000 нФ", "    50 КОм ", "    -----    ", "   250 МОм ",
       "  12.3 Ом ", "   0.0 Ом "}};
  for (uint16_t r = 0; r < 2; ++r) {
    Append(expected, Integer(static_cast<uint16_t>(7 + r), r));
    for (uint16_t c = 0; c < 8; ++c) {
      Append(expected,
             Label(static_cast<uint16_t>(7 + r), static_cast<uint16_t>(c + 1), 2, cells[r][c]));
    }
  }
  Append(expected, Record(0x000A, {}));

  TempDir dir;
  testing::ScriptedScreen screen;
  const std::string path = dir.File("plan.xls");
  ASSERT_TRUE(SavePlannedReport(screen, FileChoice{path, 1}, SampleReport(Family::k435)));
  EXPECT_EQ(ReadAll(path), expected);
  EXPECT_TRUE(screen.MessageLines().empty());
}

TEST(FamilyPlannedWorksheetTest, AWorksheetThatCannotBeCreatedShowsOneMessage) {
  TempDir dir;
  testing::ScriptedScreen screen;
  EXPECT_FALSE(
      WritePlannedWorksheet(screen, dir.File("none/plan.xls"), SampleReport(Family::k233)));
  EXPECT_EQ(screen.MessageLines(), (std::vector<std::string>{"Ошибка: Ошибка создание файла"}));
}

TEST(FamilyPlannedWorksheetTest, The233WorksheetHasNineHeadingsOverSevenDataColumns) {
  TempDir dir;
  testing::ScriptedScreen screen;
  const std::string path = dir.File("plan233.xls");
  // Whatever filter: the 233-byte family has the worksheet alone.
  ASSERT_TRUE(SavePlannedReport(screen, FileChoice{path, 2}, SampleReport(Family::k233)));
  const std::vector<std::string> cells = XlrdCells(path);
  const std::vector<std::string> expected = {
      "size 9 9",
      "0 0 text Наименование прибора: Измеритель",
      "1 0 text Серийный номер: 123456",
      "2 0 text Плановые измерения по кабелю: Магистраль 2",
      "6 0 text Номер пары",
      "6 1 text Емкость AC",
      "6 2 text Емкость BC",
      "6 3 text Емкость AB",
      "6 4 text Изоляция AC",
      "6 5 text Изоляция BC",
      "6 6 text Изоляция AB",
      "6 7 text Rшл (Ом)",
      "6 8 text Rа (Ом)",
      "7 0 number 0.0",
      "7 1 text     -----    ",
      "7 2 text 45.5 нФ",
      "7 3 text  120 нФ",
      "7 4 text   1000 КОм ",
      "7 5 text    5.0 МОм ",
      "7 6 text >20000 МОм",
      "8 0 number 1.0",
      "8 1 text >2000 нФ",
      "8 2 text 51.0 нФ",
      "8 3 text 2000 нФ",
      "8 4 text     50 КОм ",
      "8 5 text     -----    ",
      "8 6 text    250 МОм ",
  };
  EXPECT_EQ(cells, expected);
}

}  // namespace
}  // namespace telvane
