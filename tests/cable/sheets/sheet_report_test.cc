// The sheet report read back with python3-xlrd: every cell of a full report
// with its format, the report of a kind-10 sheet with only its pair-selection
// table, and the heading of column 5 taking the place of "Вход".
#include "cable/sheets/sheet_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cable/sheets/notebook_report.h"
#include "cable/sheets/sheet_samples.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::XlrdReport;
using testing::XlrdReportCells;

const ReportHeading kHeading{"КВР-ПРО КЕРВАН", "654321", {2026, 12, 9, 7, 5, 3}};

// Title and form lines: rows 1 to 12.
std::vector<std::string> HeadCells() {
  return {
      "1 5 text ПРОТОКОЛ xf 9",
      "2 5 text измерений рабочего и переходного затухания кабеля xf 9",
      "4 1 text Кабель № xf 0",
      "5 1 text Число пар xf 0",
      "6 1 text Длина xf 0",
      "7 1 text Между xf 0",
      "9 1 text Измерения проводились прибором: КВР-ПРО КЕРВАН xf 0",
      "10 1 text № прибора:         654321 xf 0",
      "12 1 text Дата: 09.12.2026  07:05:03 xf 0",
  };
}

void Append(std::vector<std::string>& all, const std::vector<std::string>& more) {
  all.insert(all.end(), more.begin(), more.end());
}

// Column 1 of combination rows first..10 that hold nothing else.
std::vector<std::string> NumbersOnly(int first_row, int first, int last) {
  std::vector<std::string> cells;
  for (int c = first; c <= last; ++c) {
    cells.push_back(std::to_string(first_row + c - first) + " 1 number " + std::to_string(c) +
                    ".0 xf 3");
  }
  return cells;
}

TEST(SheetReportTest, EveryCellOfAFullReport) {
  testing::TempDir dir;
  const std::string path = dir.File("sheet.xls");
  ASSERT_TRUE(WriteSheetReport(path, testing::Sheet(testing::FullSheetBytes()), 4, kHeading));

  std::vector<std::string> want = HeadCells();
  Append(want, {
                   "14 1 text 1. Рабочее затухание на частоте (кГц) xf 1",
                   "16 2 text Выход xf 2",
                   "16 3 text Вход xf 2",
                   "16 4 text 1.50 xf 4",
                   "16 5 text 150.25 xf 4",
                   // Combination 1 (odd): formats 7 and 5.
                   "17 1 number 1.0 xf 3",
                   "17 2 number 1.0 xf 7",
                   "17 3 number 2.0 xf 5",
                   "17 4 number 12.0 xf 7",
                   "17 5 text П xf 7",
                   // Combination 2 measured crosstalk only.
                   "18 1 number 2.0 xf 3",
                   "19 1 number 3.0 xf 3",
                   "19 2 number 5.0 xf 7",
                   "19 3 number 6.0 xf 5",
                   "19 4 number 7.0 xf 7",
                   "19 5 number 8.0 xf 7",
               });
  Append(want, NumbersOnly(20, 4, 10));
  Append(want, {
                   "28 1 text 2. Переходное затухание на частоте (кГц) xf 1",
                   "30 2 text Выход xf 2",
                   "30 3 text Вход xf 2",
                   "30 4 text 1.50 xf 4",
                   "30 5 text 150.25 xf 4",
                   "31 1 number 1.0 xf 3",
                   // Combination 2 (even): formats 6 and 8; a negative value.
                   "32 1 number 2.0 xf 3",
                   "32 2 number 3.0 xf 6",
                   "32 3 number 4.0 xf 8",
                   "32 4 number -5.0 xf 6",
                   "32 5 number 60.0 xf 6",
                   "33 1 number 3.0 xf 3",
                   "33 2 number 5.0 xf 7",
                   "33 3 number 6.0 xf 5",
                   "33 4 number 70.0 xf 7",
                   "33 5 text П xf 7",
               });
  Append(want, NumbersOnly(34, 4, 10));
  Append(want, {
                   "42 1 text 3. Переходное затухание (отбор пар) на частоте        4.50 кГц xf 1",
                   "44 1 text Выход xf 2",
                   "44 2 number 1.0 xf 2",
                   "44 3 number 2.0 xf 2",
                   "44 4 number 3.0 xf 2",
                   "44 5 text Вход xf 2",
                   "45 1 number 0.0 xf 3",
                   "45 2 number 55.0 xf 5",
                   "45 3 text П xf 5",
                   "46 1 number 1.0 xf 3",
                   "46 3 number 40.0 xf 5",
                   "46 4 number -3.0 xf 5",
                   "47 1 number 2.0 xf 3",
                   "47 4 number 33.0 xf 5",
               });
  EXPECT_EQ(XlrdReportCells(path), want);

  // Fonts, the ten formats through their XF records, the widths.
  const std::vector<std::string> all = XlrdReport(path);
  const std::vector<std::string> head(all.begin(), all.begin() + 2);
  EXPECT_EQ(head, (std::vector<std::string>{"font arial 200 plain", "font arial 200 bold"}));
  for (const char* line :
       {"xf 0 font 0 align 0", "xf 1 font 1 align 0", "xf 2 font 1 align 0", "xf 3 font 1 align 0",
        "xf 4 font 1 align 3", "xf 5 font 0 align 0", "xf 6 font 0 align 3", "xf 7 font 0 align 3",
        "xf 8 font 0 align 3", "xf 9 font 1 align 2", "width 0 1791", "width 2 2303",
        "width 3 2047", "width 30 1791"}) {
    EXPECT_NE(std::find(all.begin(), all.end(), line), all.end()) << line;
  }
}

TEST(SheetReportTest, AKindTenSheetGivesOnlyItsPairTableNumberedOne) {
  testing::TempDir dir;
  const std::string path = dir.File("pairs.xls");
  ASSERT_TRUE(WriteSheetReport(path, testing::Sheet(testing::PairOnlySheetBytes()), 6, kHeading));
  std::vector<std::string> want = HeadCells();
  Append(want, {
                   "14 1 text 1. Переходное затухание (отбор пар) на частоте        8.00 кГц xf 1",
                   // Six pairs: five headings; that of column 5 replaces "Вход".
                   "16 1 text Выход xf 2",
                   "16 2 number 1.0 xf 2",
                   "16 3 number 2.0 xf 2",
                   "16 4 number 3.0 xf 2",
                   "16 5 number 4.0 xf 2",
                   "16 6 number 5.0 xf 2",
               });
  for (int k = 0; k <= 4; ++k) {
    want.push_back(std::to_string(17 + k) + " 1 number " + std::to_string(k) + ".0 xf 3");
    for (int j = k + 1; j <= 5; ++j) {
      want.push_back(std::to_string(17 + k) + " " + std::to_string(j + 1) + " number " +
                     std::to_string(10 * k + j) + ".0 xf 5");
    }
  }
  EXPECT_EQ(XlrdReportCells(path), want);
}

TEST(SheetReportTest, NPairsGiveNMinusOneHeadingsAndRows) {
  testing::TempDir dir;
  for (int pairs : {0, 1, 2, 3}) {
    const std::string path = dir.File("n" + std::to_string(pairs) + ".xls");
    ASSERT_TRUE(
        WriteSheetReport(path, testing::Sheet(testing::PairOnlySheetBytes()), pairs, kHeading));
    int headings = 0;
    int rows = 0;
    for (const std::string& cell : XlrdReportCells(path)) {
      if (cell.rfind("16 ", 0) == 0 && cell.find(" number ") != std::string::npos) ++headings;
      if (cell.find(" 1 number ") != std::string::npos && cell.rfind("1", 0) == 0 &&
          cell.find("xf 3") != std::string::npos) {
        ++rows;
      }
    }
    const int want = pairs > 1 ? pairs - 1 : 0;
    EXPECT_EQ(headings, want) << pairs;
    EXPECT_EQ(rows, want) << pairs;
  }
}

TEST(SheetReportTest, AFrequencyCountBeyondTenOrNotANumberIndexesNothingOutside) {
  testing::TempDir dir;
  auto bytes = testing::FullSheetBytes();
  testing::PutFloat(bytes, 276, 1e9f);
  const std::string path = dir.File("many.xls");
  ASSERT_TRUE(WriteSheetReport(path, testing::Sheet(bytes), 4, kHeading));
  int frequency_headings = 0;
  for (const std::string& cell : XlrdReportCells(path)) {
    if (cell.rfind("16 ", 0) == 0 && cell.find("xf 4") != std::string::npos) ++frequency_headings;
  }
  EXPECT_EQ(frequency_headings, 10);

  testing::PutFloat(bytes, 276, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(testing::Sheet(bytes).frequency_count(), 0);
  testing::PutFloat(bytes, 276, -4.0f);
  EXPECT_EQ(testing::Sheet(bytes).frequency_count(), 0);
  testing::PutFloat(bytes, 276, 3.9f);
  EXPECT_EQ(testing::Sheet(bytes).frequency_count(), 3);
}

TEST(SheetReportTest, AFileThatCannotBeCreatedFails) {
  testing::TempDir dir;
  EXPECT_FALSE(WriteSheetReport(dir.File("missing/sheet.xls"),
                                testing::Sheet(testing::FullSheetBytes()), 4, kHeading));
}

TEST(SheetRecordTest, PairOffsetsFollowTheTriangularIndexModulo256) {
  EXPECT_EQ(SheetRecord::PairOffset(0, 1, 4), 82u);
  EXPECT_EQ(SheetRecord::PairOffset(1, 3, 4), 86u);
  EXPECT_EQ(SheetRecord::PairOffset(2, 3, 4), 87u);
  // 20·60 − 21·22/2 + 40 + 1 = 1010, which is 242 modulo 256.
  EXPECT_EQ(SheetRecord::PairOffset(20, 40, 60), 81u + 242u);
  EXPECT_FALSE(SheetRecord::PairOffset(3, 3, 4));
  EXPECT_FALSE(SheetRecord::PairOffset(3, 1, 4));
  EXPECT_FALSE(SheetRecord::PairOffset(0, 4, 4));
  for (int k = 0; k < 255; ++k) {
    for (int j = k + 1; j < 255; ++j) ASSERT_LT(*SheetRecord::PairOffset(k, j, 255), 604u);
  }
}

TEST(NotebookReportTest, PairsWithTheirValuesAfterTheHead) {
  testing::TempDir dir;
  std::vector<uint8_t> b(104, 0);
  b[0] = 2;
  b[4] = 7;  // pair 7
  testing::PutFloat(b, 6, 45.5f);
  testing::PutFloat(b, 10, 31000000.0f);
  b[14] = 8;
  testing::PutFloat(b, 16, -2850000128.0f);
  testing::PutFloat(b, 20, -1050000000.0f);
  NotebookRecord entry;
  entry.Assign(b);
  const std::string path = dir.File("notebook.xls");
  ASSERT_TRUE(WriteNotebookReport(path, entry, 2, kHeading));
  const auto cells = XlrdReportCells(path);
  ASSERT_GE(cells.size(), 9u);
  EXPECT_EQ(cells[1], "2 5 text записи блокнота измерителя xf 9");
  std::string capacitance;
  FormatMeasurement(45.5f, kCapacitance, capacitance);
  std::string insulation;
  FormatMeasurement(31000000.0f, kInsulation, insulation);
  const std::vector<std::string> tail(cells.end() - 10, cells.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "14 1 text 2. Блокнот измерителя xf 1",
                      "16 1 text Пара xf 2",
                      "16 2 text Емкость xf 2",
                      "16 3 text Изоляция xf 2",
                      "17 1 number 7.0 xf 3",
                      "17 2 text " + capacitance + " xf 7",
                      "17 3 text " + insulation + " xf 7",
                      "18 1 number 8.0 xf 3",
                      "18 2 text НЕТ ИЗМЕРЕНИЙ xf 6",
                      "18 3 text НЕТ ИЗМЕРЕНИЙ xf 6",
                  }));
}

}  // namespace
}  // namespace telvane
