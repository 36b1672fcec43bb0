// "pages xdsl" against telvane-sim in every firmware band: the list, the
// selection, the marks, the saved files compared byte for byte with a text
// composed here from the simulator's logs and the export's layout rules, the
// chart picture, and the usage errors with their exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "base/cp1251.h"
#include "cli/cli_test_support.h"
#include "support/xdsl_expected_counters.h"

namespace telvane::testing {
namespace {

struct Band {
  const char* firmware;
  char letter;
  size_t log_size;
};

const Band kBands[] = {{"8.0", 'A', 1536}, {"10.005", 'B', 1680}, {"10.007", 'C', 1680},
                       {"8.5", 'C', 1536}, {"10.05", 'D', 1680},  {"10.11", 'E', 1648}};

// --- The simulator's logs: log `index` (from 0) --------------------------------

struct Bin {
  int noise;  // as shown: -b, -160 beyond 160
  int snr;
  int bits;
};

Bin SimBin(int bin, int index) {
  const bool used = (bin >= 6 && bin < 32) || (bin >= 33 && bin < 480 - 20 * index);
  const int snr = used ? std::max(0, 52 - bin / 10 - (bin % 7)) : 0;
  const int bits = used ? std::min(15, std::max(0, (snr - 6) / 3)) : 0;
  int b = 150 - bin / 8 + (bin % 5);
  if (bin < 6 || bin % 97 == 0) b = 200;
  return {b > 160 ? -160 : -b, snr, bits};
}

double SimCounter(size_t size, int index, size_t offset) {
  if (index == 1 && offset == 1564) return std::numeric_limits<double>::quiet_NaN();
  if (size == 1648 && index == 0 && offset == 1536) return 0;
  if (size == 1680 && offset == 1616) return 90061 + index;
  return static_cast<double>((offset - 1536) / 4 * 17 + index * 3);
}

std::string Format(const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  std::string s = text;
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

std::string Duration(double seconds) {
  const long t = static_cast<long>(seconds);
  char text[64];
  std::string out;
  if (t >= 86400) out = std::to_string(t / 86400) + " day(s) ";
  std::snprintf(text, sizeof text, "%2.2ld:%2.2ld:%2.2ld", t % 86400 / 3600, t % 3600 / 60, t % 60);
  return out + text;
}

// The text export of log `index` with separator `s`, as UTF-8.
std::string Expected(const Band& band, int index, const std::string& name, const std::string& s) {
  const size_t size = band.log_size;
  static const char* const kModesA[] = {"ADSL",     "ADSL2",     "ADSL2+",
                                        "RE-ADSL2", "RE-ADSL2+", "неизвестный"};
  static const char* const kModes[] = {"ADSL", "ADSL2", "ADSL2+", "RE-ADSL2", "G.DMT"};
  char log_name[16];
  std::snprintf(log_name, sizeof log_name, "%02d", index + 1);
  std::string t = "Наименование прибора: " + name + "\rСерийный номер: C12345\r";
  t += std::string("Лог измерения xDSL: Лог ") + log_name + "\r";
  if (band.letter >= 'C') {
    char date[32];
    std::snprintf(date, sizeof date, "Дата: %2.2d.%2.2d.%2.2d\r", 1 + index % 28, 12, 26);
    t += date;
  }
  t +=
      std::string("Режим: ") + (band.letter == 'A' ? kModesA[index % 6] : kModes[index % 5]) + "\r";
  if (band.letter == 'E') {
    char time[32];
    std::snprintf(time, sizeof time, "%02d:15:42", index % 24);
    t += std::string("Количество несущих: 480\rВремя соединения: ") + time + "\r";
  }
  const double down[5] = {12.5 + index, 32.0, 19.5, 8128.0 - 64 * index, 7616.0};
  const double up[5] = {9.5, 18.5, 12.0, 1024.0, 992.0 - 32 * index};
  const char* const labels[5] = {"SNR, dB", "Attn, dB", "Pwr, dBm", "Max, Kbps", "Rate, Kbps"};
  t += "\r " + s + "Down" + s + "Up\r";
  for (int i = 0; i < 5; ++i) {
    const char* f = i < 3 ? "%.1f" : "%.0f";
    t += labels[i] + s + Format(f, down[i]) + s + Format(f, up[i]) + "\r";
  }
  t += "\r№ бина" + s + "Шум (дБм/Гц)" + s + "SNR (дБ)" + s + "Скорость (бит)\r";
  for (int i = 0; i < 512; ++i) {
    const Bin b = SimBin(i, index);
    t += std::to_string(i) + s + std::to_string(b.noise) + s + std::to_string(b.snr) + s +
         std::to_string(b.bits) + "\r";
  }
  t += ExpectedXdslCounters(
      size, [&](size_t offset) { return SimCounter(size, index, offset); },
      Duration(SimCounter(size, index, 1616)), s);
  return t;
}

std::string Bytes(const std::string& path) {
  const auto bytes = ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

// The instrument name of the file's first line.
std::string NameIn(const std::string& text) {
  const std::string head = "Наименование прибора: ";
  if (text.rfind(head, 0) != 0) return {};
  return text.substr(head.size(), text.find('\r') - head.size());
}

class XdslPagesCliTest : public CliSimTest {
 protected:
  void Start(const Band& band, int logs = 4) {
    StartSim(11, {"--firmware", band.firmware, "--xdsl-logs", std::to_string(logs)});
  }
  static constexpr char kSession[] = " pages xdsl --session 11:C12345:COM1 ";
};

TEST_F(XdslPagesCliTest, EveryBandSavesTheSelectedLogByteForByte) {
  for (const Band& band : kBands) {
    SCOPED_TRACE(band.firmware);
    Start(band);
    const std::string path = File(std::string("log_") + band.firmware + ".csv");
    const CliResult run =
        RunCli("--file " + ShellQuote(path) + ":2" + kSession + "--receive-list --select 2 --save");
    ASSERT_EQ(run.status, 0) << run.output << Log();
    // The session's first transfer may have received the list already; one
    // log was asked for.
    EXPECT_GE(CommandsReceived(0x6B), 1);
    EXPECT_EQ(CommandsReceived(0x6C), 1);
    const std::string text = Cp1251ToUtf8(Bytes(path));
    const std::string name = NameIn(text);
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(text, Expected(band, 1, name, ";"));
    EXPECT_EQ(Bytes(path), Utf8ToCp1251(Expected(band, 1, name, ";")));
  }
}

TEST_F(XdslPagesCliTest, MarksGiveOneDialogEachInListOrder) {
  const Band& band = kBands[5];  // E: log 0 has no CRC frames
  Start(band);
  const std::string comma = File("first.csv");
  const std::string sheet = File("third.xls");
  const CliResult run = RunCli("--file " + ShellQuote(comma) + ":3 --file " + ShellQuote(sheet) +
                               ":1" + kSession + "--receive-list --mark 3,1 --save");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x6C), 2);
  const std::string text = Cp1251ToUtf8(Bytes(comma));
  EXPECT_EQ(text, Expected(band, 0, NameIn(text), ","));
  EXPECT_NE(text.find("\r%CRC,-,"), std::string::npos);
  // The worksheet of log 3 begins with the BIFF2 beginning-of-file record.
  const std::string xls = Bytes(sheet);
  ASSERT_GT(xls.size(), 4u);
  EXPECT_EQ(xls.substr(0, 4), std::string("\x09\x00\x04\x00", 4));
  EXPECT_NE(Cp1251ToUtf8(xls).find("Лог 03"), std::string::npos);
}

TEST_F(XdslPagesCliTest, PrintShowsListMarksAndSummary) {
  Start(kBands[4]);
  const CliResult run =
      RunCli(std::string(kSession) + "--receive-list --select 3 --mark 1,4 --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("   1 [x] Лог 01\n   2 [ ] Лог 02\n>  3 [ ] Лог 03\n   4 [x] Лог 04\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Наименование: Лог 03\nРежим: ADSL2+\n"), std::string::npos);
  EXPECT_NE(run.output.find("SNR, dB\t14.5\t9.5\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Rate, Kbps\t7616\t928\n"), std::string::npos) << run.output;
}

TEST_F(XdslPagesCliTest, FailuresAndUsageErrors) {
  Start(kBands[1], 2);
  // A log beyond the list: the action fails (1) and the rest does not run.
  CliResult run = RunCli(std::string(kSession) + "--receive-list --select 3 --print");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--select 3: the page holds 2 logs"), std::string::npos);
  EXPECT_NE(run.output.find("not run: --print"), std::string::npos);
  run = RunCli(std::string(kSession) + "--receive-list --mark 1,5");
  EXPECT_EQ(run.status, 1) << run.output;
  // Usage errors (2) before anything is sent.
  const int before = CommandsReceived(0x6B);
  for (const char* args : {"--select 0", "--mark 1,x", "--bogus", "--select"}) {
    SCOPED_TRACE(args);
    run = RunCli(std::string(kSession) + args);
    EXPECT_EQ(run.status, 2) << run.output;
  }
  run = RunCli("pages xdsl --receive-list");
  EXPECT_EQ(run.status, 2) << run.output;
  EXPECT_EQ(CommandsReceived(0x6B), before);
  // An unknown filter is refused with the page's message; no --file: failed.
  run = RunCli("--file " + Quoted("x.txt") + ":4" + kSession + "--receive-list --save");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Неизвестный тип файла! Обратитесь к разработчикам."),
            std::string::npos);
  run = RunCli(std::string(kSession) + "--receive-list --save");
  EXPECT_EQ(run.status, 1) << run.output;
  // A text file that cannot be created: its name and "Ошибка создания файла".
  const std::string bad = File("missing/x.csv");
  run = RunCli("--file " + ShellQuote(bad) + ":2" + kSession + "--receive-list --save");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Ошибка создания файла"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(bad), std::string::npos) << run.output;
}

#if TELVANE_CLI_DRAWS_PLOTS
TEST_F(XdslPagesCliTest, ChartOfTheSelectedLogAsPng) {
  Start(kBands[4]);
  const std::string png = File("chart.png");
  const CliResult run = RunCli("--file " + ShellQuote(png) + std::string(kSession) +
                               "--receive-list --select 2 --save-chart");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(CommandsReceived(0x6C), 1);
  const std::string bytes = Bytes(png);
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  // 1100 x 800 in the header's width and height.
  EXPECT_EQ(bytes.substr(16, 8), std::string("\x00\x00\x04\x4c\x00\x00\x03\x20", 8));
}
#endif

}  // namespace
}  // namespace telvane::testing
