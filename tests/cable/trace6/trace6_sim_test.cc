// The kind 6 reflectogram page against telvane-sim: traces received with
// code 0x17, exported byte for byte, read back by python3-xlrd, and the
// reflections of the simulator's line models found where it put them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cable/pages/sim_session.h"
#include "cable/trace6/trace6_page.h"
#include "storage/trace/plot/trace_plot_model.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void PutFloat(Bytes& b, size_t at, float f) {
  uint32_t v;
  std::memcpy(&v, &f, 4);
  for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// The samples the transfer wrote to its ".csv" file ("%d;\r\n" each).
std::vector<int> CsvSamples(const std::filesystem::path& folder) {
  std::vector<int> samples;
  for (const auto& f : std::filesystem::recursive_directory_iterator(folder)) {
    if (f.path().extension() != ".csv") continue;
    std::ifstream in(f.path());
    std::string line;
    while (std::getline(in, line)) samples.push_back(std::stoi(line));
  }
  return samples;
}

std::vector<std::string> XlrdCells(const std::string& path) {
  const std::string command = std::string(TELVANE_PYTHON) + " " + TELVANE_SOURCE_DIR +
                              "/tests/cable/xlrd_cells.py '" + path + "' 2>&1";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  std::string line;
  for (int c; (c = fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  pclose(pipe);
  return lines;
}

class Trace6SimTest : public ::testing::Test {
 protected:
  Trace6SimTest() : sim_(6, {"--cables", "2", "--reflectograms", "3"}), page_(sim_.context()) {}

  void SetUp() override {
    ASSERT_TRUE(sim_.opened()) << sim_.Log();
    sim_.screen().AnswerFolder(dir_.path().string());
  }

  testing::SimSession sim_;
  testing::TempDir dir_;
  Trace6Page page_;
};

TEST_F(Trace6SimTest, ListAndPanelFromTheInitialTransfer) {
  ASSERT_EQ(page_.count(), 3);
  EXPECT_EQ(page_.Lines()[0], "Линия-1  01.12.26 10:05:07");
  EXPECT_EQ(page_.Lines()[2], "Линия-3  03.12.26 10:07:07");
  page_.Select(1);
  const auto panel = page_.Panel();
  ASSERT_EQ(panel.size(), 9u);
  EXPECT_EQ(panel[0].second, "Кабель-2");
  EXPECT_EQ(panel[1].second, "02.12.26");
  EXPECT_EQ(panel[3].second, "2000");
  EXPECT_EQ(panel[4].second, "2");  // 2000 m over a window of 1000 m
  EXPECT_EQ(panel[5].second, "100");
  EXPECT_EQ(panel[6].second, "12");
  EXPECT_EQ(panel[7].second, "1.500");
  EXPECT_EQ(panel[8].second, "128");
  page_.Select(3);  // beyond the list: ignored
  EXPECT_EQ(page_.selected(), 1);
}

TEST_F(Trace6SimTest, Version30ExportByteForByte) {
  const std::string path = dir_.File("trace.rfg");
  sim_.screen().ChooseFile(path, 1);
  ASSERT_TRUE(page_.Save()) << sim_.Log();
  EXPECT_TRUE(sim_.screen().messages().empty());
  const std::vector<int> v = CsvSamples(dir_.path());
  ASSERT_EQ(v.size(), 128u);

  // version | extended cable block (435) | 201 record bytes | L | name.
  Bytes want(4 + 435 + 201 + 4 + 1, 0);
  PutFloat(want, 0, 3.0f);
  const size_t block = 4;
  want[block + 4] = 1;                  // one section
  want[block + 15] = 39;                // its byte
  PutFloat(want, block + 16, 1000.0f);  // the range
  PutFloat(want, block + 20, 128.0f);
  PutFloat(want, block + 28, 1.5f);  // k = 1500 × 0.001
  const size_t record = block + 435;
  want[record + 41] = 26;  // year, month, day
  want[record + 42] = 12;
  want[record + 43] = 1;
  Put16(want, record + 44, 100);   // TDRimp
  Put16(want, record + 48, 1000);  // TDRdiap
  Put16(want, record + 50, 1);     // TDRrast
  Put16(want, record + 52, 16);    // TDRmiddl
  Put16(want, record + 54, 12);    // TDRdB
  Put16(want, record + 56, 38);    // cursors at the tap (300 m) and the end (750 m)
  Put16(want, record + 58, 96);
  int largest = 0;
  for (int s : v) largest = std::max(largest, s);
  for (size_t i = 0; i < 128; ++i) {
    want[record + 69 + i] = static_cast<uint8_t>((largest - v[i]) / (largest / 63.0));
  }
  want[record + 201] = 1;  // L: the empty name and its zero
  EXPECT_EQ(testing::ReadAll(path), want);
  // The launch pulse is the largest amplitude.
  EXPECT_EQ(want[record + 69], 0);
}

TEST_F(Trace6SimTest, WorksheetEveryCellThroughXlrd) {
  page_.Select(2);
  // The filter decides: a name ending in ".rfg" still becomes a worksheet.
  const std::string path = dir_.File("trace.rfg");
  sim_.screen().ChooseFile(path, 2);
  ASSERT_TRUE(page_.Save()) << sim_.Log();
  const std::vector<int> v = CsvSamples(dir_.path());
  ASSERT_EQ(v.size(), 128u);
  std::vector<std::string> want = {
      "size 138 2",
      "0 0 text Наименование прибора: " + sim_.link().info().name,
      "1 0 text Серийный номер: 123456",
      "3 0 text Диапазон:",
      "3 1 number 5000.0",
      "4 0 text Растяжка: ",
      "4 1 number 1.0",
      "5 0 text Импульс (нс):",
      "5 1 number 100.0",
      "6 0 text Усиление (дБ): ",
      "6 1 number 12.0",
      "7 0 text К.У.:",
      "7 1 number 1.5",
      "9 0 text № отсчёта",
      "9 1 text Значение",
  };
  for (int i = 0; i < 128; ++i) {
    want.push_back(std::to_string(10 + i) + " 0 number " + std::to_string(i) + ".0");
    want.push_back(std::to_string(10 + i) + " 1 number " +
                   std::to_string(v[static_cast<size_t>(i)]) + ".0");
  }
  EXPECT_EQ(XlrdCells(path), want);
  EXPECT_FALSE(sim_.link().info().name.empty());
}

// Where the simulator put the events of its three lines (metres), and whether
// each rises.
struct LineEvents {
  double joint_m;
  Slope joint;
  double end_m;
  Slope end;
};

TEST_F(Trace6SimTest, ReflectionsWhereTheSimulatorPutThem) {
  const LineEvents lines[3] = {{300, Slope::kFalling, 750, Slope::kRising},
                               {200, Slope::kFalling, 900, Slope::kFalling},
                               {1200, Slope::kRising, 3500, Slope::kRising}};
  for (int i = 0; i < 3; ++i) {
    page_.Select(i);
    ASSERT_TRUE(page_.Receive()) << i << sim_.Log();
    TracePlotModel model;
    for (PlotTrace& t : page_.PlotTraces()) model.AddTrace(std::move(t));
    const double step = model.MetresPerSample(0);
    const auto found = model.Reflections();
    ASSERT_EQ(found.size(), 3u) << i;
    EXPECT_TRUE(found[0].launch);
    EXPECT_NEAR(found[1].sample, lines[i].joint_m / step, 1) << i;
    EXPECT_EQ(found[1].slope, lines[i].joint) << i;
    EXPECT_FALSE(found[1].likely_end);
    EXPECT_NEAR(found[2].sample, lines[i].end_m / step, 1) << i;
    EXPECT_NEAR(found[2].distance_m, lines[i].end_m, step) << i;
    EXPECT_EQ(found[2].slope, lines[i].end) << i;
    EXPECT_TRUE(found[2].likely_end) << i;
  }
  // Traces 0 and 2 belong to cable 0 (of two): drawn together, the current
  // one first.
  page_.Select(2);
  const auto traces = page_.PlotTraces();
  ASSERT_EQ(traces.size(), 2u);
  EXPECT_EQ(traces[0].label.substr(0, 12), "Линия-3");
  EXPECT_EQ(traces[1].label.substr(0, 12), "Линия-1");
}

// Command frame 0x17 of kind 6, serial "123456" (the address sums to 0x3B).
constexpr char kTraceCommand[] = "sim: <- 06 31 32 33 34 35 36 17 52";

TEST_F(Trace6SimTest, RefusalsSendNothing) {
  sim_.NewTraffic();
  // A sample count beyond what a trace may hold, or none, is refused before
  // the command.
  auto& entries = sim_.link().initial().kind6->reflectograms;
  entries[0][11] = 0x01;
  entries[0][12] = 0x20;  // 8193
  entries[1][11] = 0;
  entries[1][12] = 0;
  EXPECT_FALSE(page_.Receive());
  page_.Select(1);
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(sim_.screen().MessageLines(),
            (std::vector<std::string>{std::string("Ошибка: ") + kTooManySamples,
                                      std::string("Ошибка: ") + kTooManySamples}));
  // A cancelled folder dialog ends the action.
  testing::ScriptedScreen& screen = sim_.screen();
  screen.ClearShown();
  page_.Select(2);
  screen.AnswerFolder(std::nullopt);
  // (the folder answered in SetUp is taken first: use it up on a receive)
  ASSERT_TRUE(page_.Receive());
  page_.ClearBuffers();
  page_.Select(2);
  EXPECT_FALSE(page_.Receive());
  EXPECT_FALSE(page_.received(2));
  const std::string traffic = sim_.NewTraffic();
  size_t commands = 0;
  for (size_t at = traffic.find(kTraceCommand); at != std::string::npos;
       at = traffic.find(kTraceCommand, at + 1)) {
    ++commands;
  }
  EXPECT_EQ(commands, 1u) << traffic;  // the one receive that had its folder
  // A cancelled save dialog writes nothing.
  screen.AnswerFolder(dir_.path().string());
  screen.ChooseFile(std::nullopt);
  EXPECT_FALSE(page_.Save());
  EXPECT_TRUE(page_.received(2));
}

TEST(Trace6Page, WithoutASessionOrEntries) {
  testing::SimSession sim(6, {}, /*open=*/false);
  Trace6Page page(sim.context());
  EXPECT_EQ(page.count(), 0);
  EXPECT_TRUE(page.Lines().empty());
  EXPECT_TRUE(page.Panel().empty());
  EXPECT_FALSE(page.Receive());
  // Entries left from a session that has ended: no serial session to ask.
  Kind6Database db;
  db.reflectograms.resize(1);
  db.reflectograms[0][11] = 128;
  sim.link().initial().kind6 = db;
  EXPECT_FALSE(page.Receive());
  EXPECT_EQ(sim.screen().MessageLines(),
            (std::vector<std::string>{"Telvane: Нет выделенных записей",
                                      "Ошибка: Ошибка передачи информации"}));
  EXPECT_TRUE(page.PlotTraces().empty());
}

}  // namespace
}  // namespace telvane
