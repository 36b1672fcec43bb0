// The exports of one xDSL log, compared byte for byte with a text composed
// here line by line from the layout rules (header lines, summary, 512 bins,
// the counter sections of the band, the total time), and the worksheet read
// back with python3-xlrd.
#include "testers/xdsl/xdsl_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/cp1251.h"
#include "support/temp_dir.h"
#include "support/xdsl_expected_counters.h"
#include "testers/xdsl/xdsl_samples.h"

namespace telvane {
namespace {

using testing::SampleCounter;

struct Sample {
  XdslLogEntry entry;
  XdslLog log;
  XdslExportSource source;
};

std::unique_ptr<Sample> MakeSample(float version) {
  const XdslLayout layout = XdslLayoutFor(version);
  const char band = XdslBandLetter(layout.band);
  const std::vector<uint8_t> entry = testing::SampleEntry(band, Utf8ToCp1251("Лог 1.5"));
  const std::vector<uint8_t> log = testing::SampleLog(layout.log_size);
  auto sample = std::make_unique<Sample>(
      Sample{XdslLogEntry::Parse(layout.band, entry), *XdslLog::FromWire(log), {}});
  sample->source = {"Тестер 1.0", "123456", layout.band, &sample->entry, &sample->log};
  return sample;
}

// --- The expected text, from the rules --------------------------------------

std::string Expected(char band, size_t size, const std::string& s) {
  std::string t = "Наименование прибора: Тестер 1.0\rСерийный номер: 123456\r";
  t += "Лог измерения xDSL: Лог 1.5\r";
  if (band >= 'C') t += "Дата: 07.03.26\r";
  t += band == 'A' ? "Режим: ADSL2+\r" : "Режим: G.DMT\r";
  if (band == 'E') t += "Количество несущих: 480\rВремя соединения: 01:02:03\r";
  t += "\r " + s + "Down" + s + "Up\r";
  t += "SNR, dB" + s + "12,5" + s + "6,7\r";
  t += "Attn, dB" + s + "30,3" + s + "15,5\r";
  t += "Pwr, dBm" + s + "18,0" + s + "-2,4\r";
  t += "Max, Kbps" + s + "8000" + s + "1024\r";
  t += "Rate, Kbps" + s + "7616" + s + "1000\r";
  t += "\r№ бина" + s + "Шум (дБм/Гц)" + s + "SNR (дБ)" + s + "Скорость (бит)\r";
  for (int i = 0; i < 512; ++i) {
    const int b = testing::SampleNoiseByte(i);
    const int noise = b > 160 ? -160 : -b;
    t += std::to_string(i) + s + std::to_string(noise) + s + std::to_string(i % 60) + s +
         std::to_string(i % 16) + "\r";
  }
  t += testing::ExpectedXdslCounters(
      size, [size](size_t offset) { return SampleCounter(size, offset); }, "1 day(s) 01:01:01", s);
  return Utf8ToCp1251(t);
}

// --- Text ---------------------------------------------------------------------

TEST(XdslExportTest, TextOfEveryBandByteForByte) {
  // One version of each band, the 1536-byte log of band C included.
  const std::pair<float, size_t> versions[] = {{8.0f, 1536}, {10.004f, 1680}, {10.007f, 1680},
                                               {8.5f, 1536}, {10.009f, 1680}, {10.11f, 1648}};
  for (const auto& [version, size] : versions) {
    SCOPED_TRACE(version);
    const auto sample = MakeSample(version);
    ASSERT_EQ(sample->log.size(), size);
    const char band = XdslBandLetter(sample->source.band);
    EXPECT_EQ(XdslExportText(sample->source, ';'), Expected(band, size, ";"));
    EXPECT_EQ(XdslExportText(sample->source, ','), Expected(band, size, ","));
  }
}

TEST(XdslExportTest, TextDetailsSeenInTheBytes) {
  const auto e = MakeSample(10.11f);
  const std::string text = Cp1251ToUtf8(XdslExportText(e->source, ','));
  // The comma separator still writes 12.5 as 12,5; CR alone ends a line.
  EXPECT_NE(text.find("\rSNR, dB,12,5,6,7\r"), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  // Noise bytes 200, 160, 40 are -160, -160, -40.
  EXPECT_NE(text.find("\r0,-160,0,0\r1,-160,1,1\r2,-40,2,2\r"), std::string::npos);
  // CRCFrm Down 0 leaves "-" in %CRC; the Up column is 100 * 4 / 2.
  EXPECT_NE(text.find("\r%CRC,-,200\r"), std::string::npos);
  // The header line keeps the dot of the log name.
  EXPECT_NE(text.find("xDSL: Лог 1.5\r"), std::string::npos);

  const auto b = MakeSample(10.005f);
  const std::string bytes = XdslExportText(b->source, ';');
  const std::string tail = "\rTotal Time;1 day(s) 01:01:01\r";
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

TEST(XdslExportTest, DurationText) {
  EXPECT_EQ(XdslDurationText(90061.0f), "1 day(s) 01:01:01");
  EXPECT_EQ(XdslDurationText(59.0f), "00:00:59");
  EXPECT_EQ(XdslDurationText(59.9f), "00:00:59");
  EXPECT_EQ(XdslDurationText(86400.0f * 3 + 3599), "3 day(s) 00:59:59");
  EXPECT_EQ(XdslDurationText(NAN), "-");
  EXPECT_EQ(XdslDurationText(INFINITY), "-");
  EXPECT_EQ(XdslDurationText(-1.0f), "-");
  EXPECT_EQ(XdslDurationText(1e30f), "-");
}

// --- Worksheet ------------------------------------------------------------------

std::string XlrdCells(const std::string& path) {
  const std::string command = std::string(TELVANE_PYTHON) + " " + TELVANE_SOURCE_DIR +
                              "/tests/cable/xlrd_cells.py '" + path + "' 2>&1";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

bool HasLine(const std::string& dump, const std::string& line) {
  return ("\n" + dump).find("\n" + line + "\n") != std::string::npos;
}

TEST(XdslExportTest, WorksheetHoldsTheSameCells) {
  testing::TempDir dir;
  const auto e = MakeSample(10.11f);
  const std::string path = dir.path().string() + "/log e.xls";
  ASSERT_TRUE(WriteXdslWorksheet(e->source, path));
  const std::string dump = XlrdCells(path);
  // Rows of text: name, serial, log, date, mode, carriers, connection time.
  EXPECT_TRUE(HasLine(dump, "0 0 text Наименование прибора: Тестер 1.0")) << dump;
  EXPECT_TRUE(HasLine(dump, "3 0 text Дата: 07.03.26"));
  EXPECT_TRUE(HasLine(dump, "6 0 text Время соединения: 01:02:03"));
  // Empty row 7, the summary header in row 8 with an empty first cell.
  EXPECT_TRUE(HasLine(dump, "8 1 text Down"));
  EXPECT_FALSE(HasLine(dump, "8 0 text  "));
  EXPECT_TRUE(HasLine(dump, "9 0 text SNR, dB"));
  EXPECT_TRUE(HasLine(dump, "9 1 number 12.5"));
  // Numbers keep the float's value (-2.4f as a double).
  EXPECT_TRUE(HasLine(dump, "11 2 number -2.4000000953674316"));
  // Bin block: header row 15, bin 0 in row 16 with noise -160.
  EXPECT_TRUE(HasLine(dump, "15 0 text № бина"));
  EXPECT_TRUE(HasLine(dump, "16 1 number -160.0"));
  EXPECT_TRUE(HasLine(dump, "18 1 number -40.0"));
  EXPECT_TRUE(HasLine(dump, "527 0 number 511.0"));
  // Non-finite values and zero divisors are the text "-".
  EXPECT_TRUE(HasLine(dump, "534 2 text -"));  // RSCorr Up (NaN)
  EXPECT_NE(dump.find(" 0 text %CRC\n"), std::string::npos);
  EXPECT_TRUE(HasLine(dump, "size 560 4"));

  const auto b = MakeSample(10.005f);
  ASSERT_TRUE(WriteXdslWorksheet(b->source, path));
  const std::string bd = XlrdCells(path);
  // The BERT header puts its title in column 1; "Status" has CAPTURED in 2.
  EXPECT_NE(bd.find(" 1 text BERT Results\n"), std::string::npos) << bd;
  EXPECT_NE(bd.find(" 2 text CAPTURED\n"), std::string::npos);
  EXPECT_NE(bd.find(" 1 text 1 day(s) 01:01:01\n"), std::string::npos);
}

TEST(XdslExportTest, WorksheetThatCannotBeCreatedFails) {
  const auto e = MakeSample(10.11f);
  EXPECT_FALSE(WriteXdslWorksheet(e->source, "/nonexistent-folder/x.xls"));
}

}  // namespace
}  // namespace telvane
