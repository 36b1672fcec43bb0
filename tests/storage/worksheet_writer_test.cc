#include "storage/worksheet_writer.h"

#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kBof = {0x09, 0x00, 0x04, 0x00, 0x02, 0x00, 0x10, 0x00};
const Bytes kCodePage1251 = {0x42, 0x00, 0x02, 0x00, 0xE3, 0x04};
const Bytes kEof = {0x0A, 0x00, 0x00, 0x00};

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class WorksheetWriterTest : public ::testing::Test {
 protected:
  // Runs `body` between Open and Close and returns the file's bytes.
  template <typename Body>
  Bytes Write(Body body) {
    WorksheetWriter writer;
    EXPECT_TRUE(writer.Open(path_));
    body(writer);
    EXPECT_TRUE(writer.Close());
    return testing::ReadAll(path_);
  }
  // The bytes between the opening records and EOF.
  template <typename Body>
  Bytes Records(Body body) {
    Bytes all = Write(body);
    EXPECT_GE(all.size(), 18u);
    EXPECT_EQ(Bytes(all.begin(), all.begin() + 14), Concat({kBof, kCodePage1251}));
    EXPECT_EQ(Bytes(all.end() - 4, all.end()), kEof);
    return Bytes(all.begin() + 14, all.end() - 4);
  }

  testing::TempDir dir_;
  std::string path_ = dir_.File("report.xls");
};

TEST_F(WorksheetWriterTest, OpenThenCloseIsEighteenBytes) {
  EXPECT_EQ(Write([](WorksheetWriter&) {}), Concat({kBof, kCodePage1251, kEof}));
}

TEST_F(WorksheetWriterTest, OpenReplacesAnExistingFile) {
  testing::WriteAll(path_, Bytes(100, 0x55));
  EXPECT_EQ(Write([](WorksheetWriter&) {}).size(), 18u);
}

TEST_F(WorksheetWriterTest, FontRecords) {
  EXPECT_EQ(Records([](WorksheetWriter& w) {
              EXPECT_TRUE(w.WriteFont("arial", 10, 0));
              EXPECT_TRUE(w.WriteFont("arial", 12, 1));
            }),
            (Bytes{0x31, 0x00, 0x0A, 0x00, 0xC8, 0x00, 0x00, 0x00, 0x05, 'a', 'r', 'i', 'a', 'l',
                   0x31, 0x00, 0x0A, 0x00, 0xF0, 0x00, 0x01, 0x00, 0x05, 'a', 'r', 'i', 'a', 'l'}));
}

TEST_F(WorksheetWriterTest, FormatIndexAndCellFormat) {
  EXPECT_EQ(Records([](WorksheetWriter& w) {
              EXPECT_TRUE(w.WriteFormatIndex(3));
              EXPECT_TRUE(w.WriteCellFormat(1, 0x6A));
              EXPECT_TRUE(w.WriteFormatIndex(300));
            }),
            (Bytes{0x44, 0x00, 0x02, 0x00, 0x03, 0x00,              // IXFE 3
                   0x43, 0x00, 0x04, 0x00, 0x01, 0x00, 0x00, 0x6A,  // XF font 1
                   0x44, 0x00, 0x02, 0x00, 0x2C, 0x00}));           // IXFE 300 -> 44
}

TEST_F(WorksheetWriterTest, ColumnWidthHighByteIsWholeCharacters) {
  EXPECT_EQ(Records([](WorksheetWriter& w) { EXPECT_TRUE(w.WriteColumnWidth(0, 30, 15, 255)); }),
            (Bytes{0x24, 0x00, 0x04, 0x00, 0x00, 0x1E, 0xFF, 0x0F}));
}

TEST_F(WorksheetWriterTest, CellRecords) {
  EXPECT_EQ(Records([](WorksheetWriter& w) {
              EXPECT_TRUE(w.WriteInteger(0x0102, 0x0304, 5, 0xBEEF, 0x40, 3));
              EXPECT_TRUE(w.WriteNumber(1, 2, 6, 1.5, 0, 2));
              EXPECT_TRUE(w.WriteNumber(0, 0, 0, -2.0, 0, 0));
            }),
            (Bytes{0x02, 0x00, 0x09, 0x00, 0x02, 0x01, 0x04, 0x03, 0x05, 0x40, 0x03, 0xEF, 0xBE,
                   // 1.5 = 0x3FF8000000000000
                   0x03, 0x00, 0x0F, 0x00, 0x01, 0x00, 0x02, 0x00, 0x06, 0x00, 0x02, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F,
                   // -2.0 = 0xC000000000000000
                   0x03, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x00, 0xC0}));
}

TEST_F(WorksheetWriterTest, LabelsAreCp1251) {
  EXPECT_EQ(Records([](WorksheetWriter& w) {
              EXPECT_TRUE(w.WriteLabel(2, 1, 0, "Пара 1", 0, 1));
              EXPECT_TRUE(w.WriteLabel(3, 0, 0, "", 0, 0));
            }),
            (Bytes{0x04, 0x00, 0x0E, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x06, 0xCF,
                   0xE0, 0xF0, 0xE0, 0x20, 0x31,
                   // the empty label: record length 8, 12 bytes in all
                   0x04, 0x00, 0x08, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

// Byte 0x98 has no character in the code page: a text that came from one (an
// instrument's name copied into a label) is written with '?' there, so every
// reader still takes the workbook.
TEST_F(WorksheetWriterTest, UnassignedByteNeverReachesALabel) {
  const std::string from_instrument = Cp1251ToUtf8("A\x98\xC1");
  EXPECT_EQ(Utf8ToCp1251(from_instrument), "A?\xC1");
  EXPECT_EQ(Utf8ToCp1251("\u20AC\u2116\u00A0"), "\x88\xB9\xA0");  // the rest still map
  EXPECT_EQ(Records([&](WorksheetWriter& w) {
              EXPECT_TRUE(w.WriteLabel(0, 0, 0, from_instrument, 0, 0));
            }),
            (Bytes{0x04, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x41,
                   0x3F, 0xC1}));
}

TEST_F(WorksheetWriterTest, TextIsCutAfter255Bytes) {
  const std::string exact(255, 'x');
  const std::string longer = std::string(254, 'y') + "ЖЖЖ";
  Bytes records = Records([&](WorksheetWriter& w) {
    EXPECT_TRUE(w.WriteLabel(0, 0, 0, exact, 0, 0));
    EXPECT_TRUE(w.WriteLabel(0, 1, 0, longer, 0, 0));
    EXPECT_TRUE(w.WriteFont(longer, 10, 0));
  });
  ASSERT_EQ(records.size(), 2u * (4 + 8 + 255) + (4 + 5 + 255));
  EXPECT_EQ(records[2], 0x07);  // record length 263
  EXPECT_EQ(records[3], 0x01);
  EXPECT_EQ(records[11], 255);
  EXPECT_EQ(Bytes(records.begin() + 12, records.begin() + 267), Bytes(255, 'x'));
  const size_t second = 267;
  EXPECT_EQ(records[second + 11], 255);
  EXPECT_EQ(records[second + 12 + 253], 'y');
  EXPECT_EQ(records[second + 12 + 254], 0xC6);  // the first "Ж"; the other two are cut
  const size_t font = 2 * 267;
  EXPECT_EQ(records[font + 2], 0x04);  // record length 260
  EXPECT_EQ(records[font + 3], 0x01);
  EXPECT_EQ(records[font + 8], 255);
}

TEST_F(WorksheetWriterTest, EveryOperationFailsWhenTheFileCannotBeCreated) {
  WorksheetWriter writer;
  EXPECT_FALSE(writer.Open(dir_.File("no-such-folder/report.xls")));
  EXPECT_FALSE(writer.is_open());
  EXPECT_FALSE(writer.WriteFont("arial", 10, 0));
  EXPECT_FALSE(writer.WriteFormatIndex(0));
  EXPECT_FALSE(writer.WriteCellFormat(0, 1));
  EXPECT_FALSE(writer.WriteColumnWidth(0, 30, 15, 255));
  EXPECT_FALSE(writer.WriteInteger(0, 0, 0, 1, 0, 0));
  EXPECT_FALSE(writer.WriteNumber(0, 0, 0, 1.0, 0, 0));
  EXPECT_FALSE(writer.WriteLabel(0, 0, 0, "a", 0, 0));
  EXPECT_FALSE(writer.Close());
}

TEST_F(WorksheetWriterTest, SecondWriterOnAnOpenFileIsRefusedAndChangesNothing) {
  WorksheetWriter first;
  ASSERT_TRUE(first.Open(path_));
  ASSERT_TRUE(first.WriteLabel(0, 0, 0, "abc", 0, 0));
  WorksheetWriter second;
  EXPECT_FALSE(second.Open(path_));
  EXPECT_FALSE(second.WriteLabel(0, 0, 0, "x", 0, 0));
  EXPECT_TRUE(first.Close());
  EXPECT_EQ(testing::ReadAll(path_).size(), 18u + 4 + 8 + 3);
}

// A device that accepts the open but refuses every write: each record fails,
// and Close still gives the file back.
TEST_F(WorksheetWriterTest, CloseReleasesTheFileWhenTheEndRecordFails) {
  WorksheetWriter writer;
  EXPECT_FALSE(writer.Open("/dev/full"));
  EXPECT_TRUE(writer.is_open());
  EXPECT_FALSE(writer.WriteLabel(0, 0, 0, "a", 0, 0));
  EXPECT_EQ(writer.last_write_count(), -1);
  EXPECT_FALSE(writer.Close());
  EXPECT_FALSE(writer.is_open());
  // Released for real: another writer can take the lock at once.
  WorksheetWriter again;
  EXPECT_FALSE(again.Open("/dev/full"));
  EXPECT_TRUE(again.is_open());
  EXPECT_FALSE(again.Close());
}

TEST_F(WorksheetWriterTest, DestructionWithoutCloseReleasesTheLock) {
  {
    WorksheetWriter forgotten;
    ASSERT_TRUE(forgotten.Open(path_));
  }
  EXPECT_EQ(testing::ReadAll(path_), Concat({kBof, kCodePage1251}));
  WorksheetWriter next;
  EXPECT_TRUE(next.Open(path_));
  EXPECT_TRUE(next.Close());
}

// Output of a command, or the empty text when it could not run.
std::string RunCommand(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << command;
  return out;
}

// A reader we did not write (python3-xlrd) reads every cell back where it was
// put, with its type, text or value, font and alignment.
TEST_F(WorksheetWriterTest, XlrdReadsTheWorksheetBack) {
  WorksheetWriter w;
  bool ok = w.Open(path_);
  ok &= w.WriteFont("arial", 10, 0);
  ok &= w.WriteFont("arial", 10, 1);
  const uint8_t kAlign[] = {1, 3, 2, 0x6A};
  const uint8_t kFont[] = {0, 0, 0, 1};
  for (int n = 0; n < 4; ++n) {
    ok &= w.WriteFormatIndex(n);
    ok &= w.WriteCellFormat(kFont[n], kAlign[n]);
  }
  ok &= w.WriteColumnWidth(0, 30, 15, 255);
  ok &= w.WriteColumnWidth(1, 1, 8, 0);
  ok &= w.WriteLabel(0, 0, 3, "ПРОТОКОЛ измерений", 0, 0x6A);
  ok &= w.WriteLabel(1, 0, 0, "Ёмкость, нФ", 0, 1);
  ok &= w.WriteLabel(1, 2, 0, "", 0, 1);
  ok &= w.WriteInteger(2, 0, 2, 1, 0, 2);
  ok &= w.WriteInteger(2, 1, 2, 65535, 0, 2);
  ok &= w.WriteNumber(2, 2, 1, 51.25, 0, 3);
  ok &= w.WriteNumber(3, 3, 1, -0.001, 0, 3);
  ok &= w.WriteLabel(3, 1, 0, "«Кабель №1» — ок", 0, 1);
  ok &= w.Close();
  ASSERT_TRUE(ok);

  const std::string out = RunCommand(std::string(TELVANE_PYTHON) + " " + TELVANE_SOURCE_DIR +
                                     "/tests/storage/xlrd_dump.py " + path_);
  EXPECT_EQ(
      out,
      "biff 21\n"  // xlrd's name for Excel 2.1
      "codepage 1251 cp1251\n"
      "sheets 1\n"
      "font arial 200 plain\n"
      "font arial 200 bold\n"
      "size 4 4\n" +
          [] {
            std::string widths = "width 0 4095\n";
            widths += "width 1 2048\n";
            for (int c = 2; c <= 30; ++c) widths += "width " + std::to_string(c) + " 4095\n";
            return widths;
          }() +
          "cell 0 0 text 'ПРОТОКОЛ измерений' font 1 align 2\n"
          "cell 1 0 text 'Ёмкость, нФ' font 0 align 1\n"
          "cell 1 2 text '' font 0 align 1\n"
          "cell 2 0 number 1.0 font 0 align 2\n"
          "cell 2 1 number 65535.0 font 0 align 2\n"
          "cell 2 2 number 51.25 font 0 align 3\n"
          "cell 3 1 text '«Кабель №1» — ок' font 0 align 1\n"
          "cell 3 3 number -0.001 font 0 align 3\n");
}

}  // namespace
}  // namespace telvane
