// telvane-cli with kind 6 traces: the page command against telvane-sim, then
// the saved files drawn and their reflections listed without an instrument.
#include <gtest/gtest.h>

#include "base/screen.h"
#include "cable/trace6/trace6_export.h"
#include "storage/trace/tdr_file.h"
#include "storage/trace/wv_file.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::RunCli;
using testing::ShellQuote;

class Trace6CliTest : public ::testing::Test {
 protected:
  void StartSim() {
    sim_ = std::make_unique<testing::SimProcess>(
        ports_.path(), 2,
        std::vector<std::string>{"--kind", "6", "--serial", "P00001", "--reflectograms", "3"});
    ASSERT_TRUE(sim_->ready());
  }
  std::string File(const std::string& name) { return ShellQuote(dir_.File(name)); }

  testing::SimPortDir ports_;
  std::unique_ptr<testing::SimProcess> sim_;
  testing::TempDir dir_;
};

TEST_F(Trace6CliTest, PageSavesBothExportsAndPrints) {
  StartSim();
  const std::string folder = ShellQuote(dir_.path().string());
  auto run = RunCli("--folder " + folder + " --file " + File("a.rfg") +
                    " pages trace --session 6:P00001:COM2 --select 1 --save --print");
  ASSERT_EQ(run.status, 0) << run.output << sim_->Log();
  EXPECT_NE(run.output.find("> 1 Линия-1  01.12.26 10:05:07 *"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Диапазон, м: 1000"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("750.00 m\t"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Rising\tlikely end"), std::string::npos) << run.output;
  EXPECT_EQ(testing::ReadAll(dir_.File("a.rfg")).size(), 4u + 435u + 201u + 4u + 1u);
}

TEST_F(Trace6CliTest, WorksheetByTheFilter) {
  StartSim();
  const std::string folder = ShellQuote(dir_.path().string());
  // Filter 2: the worksheet, whatever the name.
  auto run = RunCli("--folder " + folder + " --file " + File("b.rfg") +
                    ":2 pages trace --session 6:P00001:COM2 --select 2 --save");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto xls = testing::ReadAll(dir_.File("b.rfg"));
  ASSERT_GT(xls.size(), 4u);
  EXPECT_EQ(xls[0], 0x09);  // BIFF2 BOF
  EXPECT_EQ(xls[1], 0x00);
}

TEST_F(Trace6CliTest, EntryBeyondTheListIsRefused) {
  StartSim();
  const auto run = RunCli("pages trace --session 6:P00001:COM2 --select 4 --receive");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("--select 4: the page holds 3 reflectograms"), std::string::npos)
      << run.output;
}

TEST_F(Trace6CliTest, EventsAndPlotOfFiles) {
  StartSim();
  const std::string folder = ShellQuote(dir_.path().string());
  ASSERT_EQ(RunCli("--folder " + folder + " --file " + File("a.rfg") +
                   " pages trace --session 6:P00001:COM2 --select 1 --save")
                .status,
            0);
  // Version 3.0 of line 0: 1000 m over 128 samples, the tap at 300 m
  // (sample 38), the open end at 750 m (sample 96).
  auto run = RunCli("trace events " + File("a.rfg"));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("\n38\t296.88\t"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Falling\t\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\n96\t750.00\t"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Rising\tlikely end or fault\n"), std::string::npos) << run.output;
  // A threshold above the tap leaves the launch and the end.
  run = RunCli("trace events --threshold 15 " + File("a.rfg"));
  EXPECT_EQ(run.output.find("\n38\t"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\n96\t750.00\t"), std::string::npos) << run.output;

  // The same trace as WV and TDR files of the newer page, drawn together.
  testing::ScriptedScreen screen;
  Trace6Info info;
  info.range_index = 3;
  info.window_index = 3;
  info.velocity = 1500;
  std::vector<uint8_t> samples(128, 60);
  samples[0] = 250;
  samples[50] = 150;
  ASSERT_TRUE(WriteWv(screen, dir_.File("b.wv"), TracePage::kNewer, 8025, Trace6Block(info),
                      Trace6Record(info, samples)));
  ASSERT_TRUE(WriteTdr(screen, dir_.File("c.tdr"), TracePage::kNewer, 8025, Trace6Block(info),
                       Trace6Record(info, samples)));
  if (!TELVANE_CLI_DRAWS_PLOTS) {
    run = RunCli("trace plot " + File("a.rfg") + " --png " + File("out.png"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("not available"), std::string::npos) << run.output;
    return;
  }
  run = RunCli("trace plot " + File("a.rfg") + " " + File("b.wv") + " " + File("c.tdr") +
               " --png " + File("out.png") + " --width 800 --height 500");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto png = testing::ReadAll(dir_.File("out.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  // IHDR: width and height, most significant byte first.
  EXPECT_EQ(std::vector<uint8_t>(png.begin() + 16, png.begin() + 24),
            (std::vector<uint8_t>{0, 0, 0x03, 0x20, 0, 0, 0x01, 0xF4}));
}

TEST_F(Trace6CliTest, PlotAndEventsRefusals) {
  EXPECT_EQ(RunCli("trace events --firmware x " + File("a.rfg")).status, 2);
  EXPECT_EQ(RunCli("trace events").status, 2);
  auto run = RunCli("trace events " + File("notes.txt"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Неизвестный формат!"), std::string::npos) << run.output;
  if (!TELVANE_CLI_DRAWS_PLOTS) return;
  EXPECT_EQ(RunCli("trace plot " + File("a.rfg")).status, 2);  // no --png
  EXPECT_EQ(RunCli("trace plot --png " + File("o.png") + " --width 5 " + File("a.rfg")).status, 2);
  run = RunCli("trace plot --png " + File("o.png") + " " + File("missing.rfg"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Ошибка открытия файла"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace telvane
