// The xDSL log page on the in-process scripted peer: the list (0x6B, one
// record of n entries confirmed with the complement of n), one log (0x6C, the
// 2-byte position high byte first, both confirmed with the complement of the
// position's low byte), the marks, the save dialogs and the failure rules,
// frames compared byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/cp1251.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"
#include "testers/xdsl/xdsl_log_page.h"
#include "testers/xdsl/xdsl_samples.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

const PeerBytes kAddress = PeerAddress(11, "123456");

PeerBytes Command(uint8_t code) { return PeerFrame({kAddress, {code}}); }
PeerBytes Confirm(uint8_t byte) { return PeerFrame({kAddress, {byte}}); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class XdslLogPagePeerTest : public ::testing::Test {
 protected:
  void SetVersion(float version, unsigned logs) {
    link_.context().facts.version = version;
    link_.context().facts.xdsl_logs = logs;
  }
  // The list of `names` in `band`, as the instrument sends it.
  void ExpectList(char band, const std::vector<std::string>& names) {
    PeerBytes entries;
    for (const std::string& name : names) {
      const PeerBytes e = testing::SampleEntry(band, Utf8ToCp1251(name));
      entries.insert(entries.end(), e.begin(), e.end());
    }
    peer_.Expect(Command(0x6B), PeerJoin({Confirm(0x94), PeerFrame({kAddress, entries})}));
    peer_.Expect(Confirm(static_cast<uint8_t>(~names.size())));
  }
  void ExpectLog(uint16_t position, size_t size) {
    const uint8_t low = static_cast<uint8_t>(position);
    peer_.Expect(Command(0x6C), Confirm(0x93));
    peer_.Expect(PeerFrame({kAddress, {static_cast<uint8_t>(position >> 8), low}}),
                 PeerJoin({Confirm(static_cast<uint8_t>(~low)),
                           PeerFrame({kAddress, testing::SampleLog(size)})}));
    peer_.Expect(Confirm(static_cast<uint8_t>(~low)));
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 11, "123456"};
  XdslLogPage page_{link_.context()};
  testing::ScriptedScreen& screen_ = link_.screen();
  testing::TempDir dir_;
};

TEST_F(XdslLogPagePeerTest, ListSelectsTheFirstLogAndShowsItsSummary) {
  SetVersion(10.11f, 2);
  ExpectList('E', {"Абонент 1", "Абонент 2"});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_EQ(page_.entries().size(), 2u);
  EXPECT_EQ(page_.entries()[1].name, "Абонент 2");
  EXPECT_TRUE(page_.can_save());
  ASSERT_EQ(page_.selected(), 0u);
  EXPECT_EQ(page_.SelectedName(), "Абонент 1");
  EXPECT_EQ(page_.SelectedMode(), "G.DMT");
  const auto rows = page_.SummaryRows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].label, "SNR, dB");
  EXPECT_EQ(rows[0].down, "12.5");
  EXPECT_EQ(rows[2].up, "-2.4");
  EXPECT_EQ(rows[3].down, "8000");
  EXPECT_EQ(rows[4].up, "1000");
}

TEST_F(XdslLogPagePeerTest, Version85Takes93ByteEntriesAnd1536ByteLogs) {
  SetVersion(8.5f, 1);
  ExpectList('C', {"Лог"});
  ASSERT_TRUE(page_.ReceiveList());
  ExpectLog(0, 1536);
  const auto log = page_.ReceiveLog(0);
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_TRUE(log.has_value());
  EXPECT_FALSE(log->has_counters());
  ASSERT_NE(page_.SelectedLog(), nullptr);
  EXPECT_EQ(page_.SelectedLog()->Noise(2), -40);
}

TEST_F(XdslLogPagePeerTest, WithoutMarksTheSelectedLogIsSavedAsText) {
  SetVersion(10.005f, 44);
  std::vector<std::string> names;
  for (int i = 0; i < 44; ++i) names.push_back("Лог " + std::to_string(i));
  ExpectList('B', names);
  ASSERT_TRUE(page_.ReceiveList());
  page_.Select(43);
  ExpectLog(43, 1680);
  const std::string path = dir_.path().string() + "/log.csv";
  screen_.ChooseFile(path, 2);
  EXPECT_TRUE(page_.Save());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_EQ(screen_.shown().size(), 1u);
  const FileDialog& d = screen_.shown()[0].dialog;
  EXPECT_EQ(d.default_name, "Лог 43");
  EXPECT_EQ(d.default_extension, "xls");
  ASSERT_EQ(d.filters.size(), 3u);
  EXPECT_EQ(d.filters[0].description, "Microsoft Excel 2.1 Worksheet (*.xls)");
  EXPECT_EQ(d.filters[1].description, "CSV (разделители - точка с запятой)");
  EXPECT_EQ(d.filters[2].description, "CSV (разделители - запятые)");
  EXPECT_EQ(d.filters[2].pattern, "*.csv");
  const std::string text = Cp1251ToUtf8(ReadFile(path));
  EXPECT_EQ(text.rfind("Наименование прибора: ", 0), 0u);
  EXPECT_NE(text.find("\rЛог измерения xDSL: Лог 43\r"), std::string::npos);
  EXPECT_NE(text.find("\rSNR, dB;12,5;6,7\r"), std::string::npos);
  EXPECT_NE(text.find("\rTotal Time;1 day(s) 01:01:01\r"), std::string::npos);
}

TEST_F(XdslLogPagePeerTest, ThreeMarksGiveThreeDialogsInListOrder) {
  SetVersion(10.01f, 4);
  ExpectList('D', {"a", "b", "c", "d"});
  ASSERT_TRUE(page_.ReceiveList());
  page_.SetMarked(3, true);
  page_.SetMarked(0, true);
  page_.SetMarked(2, true);
  for (uint16_t position : {0, 2, 3}) ExpectLog(position, 1680);
  screen_.ChooseFile(dir_.path().string() + "/a.xls", 1);
  screen_.ChooseFile(std::nullopt);  // cancelled: the next log still comes
  screen_.ChooseFile(dir_.path().string() + "/d.csv", 3);
  EXPECT_TRUE(page_.Save());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_EQ(screen_.shown().size(), 3u);
  EXPECT_EQ(screen_.shown()[0].dialog.default_name, "a");
  EXPECT_EQ(screen_.shown()[1].dialog.default_name, "c");
  EXPECT_EQ(screen_.shown()[2].dialog.default_name, "d");
  EXPECT_EQ(ReadFile(dir_.path().string() + "/a.xls").substr(0, 2), std::string("\x09\x00", 2));
  EXPECT_NE(ReadFile(dir_.path().string() + "/d.csv").find("\rSNR, dB,12,5,6,7\r"),
            std::string::npos);
}

TEST_F(XdslLogPagePeerTest, MarkAllAndUnmarkAllAsk) {
  SetVersion(10.01f, 3);
  ExpectList('D', {"a", "b", "c"});
  ASSERT_TRUE(page_.ReceiveList());
  screen_.Answer(Answer::kNo, "Выделить все?");
  page_.AskMarkAll();
  EXPECT_EQ(page_.marks(), (std::vector<bool>{false, false, false}));
  screen_.Answer(Answer::kYes, "Выделить все?");
  page_.AskMarkAll();
  EXPECT_EQ(page_.marks(), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(screen_.shown().back().caption, "Вопрос");
  screen_.Answer(Answer::kYes, "Отменить выделение для всех?");
  page_.AskUnmarkAll();
  EXPECT_EQ(page_.marks(), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(XdslLogPagePeerTest, AFailedListLeavesItEmpty) {
  SetVersion(10.01f, 2);
  ExpectList('D', {"a", "b"});
  ASSERT_TRUE(page_.ReceiveList());
  // The instrument confirms the command wrongly this time.
  peer_.Expect(Command(0x6B), Confirm(0x6B));
  EXPECT_FALSE(page_.ReceiveList());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(page_.entries().empty());
  EXPECT_FALSE(page_.selected().has_value());
  EXPECT_FALSE(page_.can_save());
  EXPECT_TRUE(screen_.HasMessage("Ошибка выполнения команды"));
}

TEST_F(XdslLogPagePeerTest, AFailedPositionEndsTheRemainingExports) {
  SetVersion(10.01f, 2);
  ExpectList('D', {"a", "b"});
  ASSERT_TRUE(page_.ReceiveList());
  page_.SetMarked(0, true);
  page_.SetMarked(1, true);
  peer_.Expect(Command(0x6C), Confirm(0x93));
  // The position record is confirmed with a wrong byte.
  peer_.Expect(PeerFrame({kAddress, {0, 0}}), Confirm(0x00));
  EXPECT_FALSE(page_.Save());
  EXPECT_TRUE(screen_.HasMessage("Ошибка при передачи номера лога"));
  // No dialog came and no second command was sent.
  for (const auto& shown : screen_.shown()) EXPECT_NE(shown.what, "save");
  EXPECT_EQ(peer_.unread(), 0u);
}

TEST_F(XdslLogPagePeerTest, FileFailuresAndUnknownFilter) {
  SetVersion(10.01f, 1);
  ExpectList('D', {"a"});
  ASSERT_TRUE(page_.ReceiveList());
  const std::string bad = dir_.path().string() + "/missing/x.csv";
  ExpectLog(0, 1680);
  screen_.ChooseFile(bad, 2);
  EXPECT_FALSE(page_.Save());
  ASSERT_FALSE(screen_.messages().empty());
  EXPECT_EQ(screen_.messages().back().caption, "Ошибка создания файла");
  EXPECT_EQ(screen_.messages().back().text, bad);

  ExpectLog(0, 1680);
  screen_.ChooseFile(dir_.path().string() + "/x.txt", 4);
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(screen_.messages().back().text, "Неизвестный тип файла! Обратитесь к разработчикам.");

  ExpectLog(0, 1680);
  screen_.ChooseFile(dir_.path().string() + "/missing/x.xls", 1);
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(screen_.messages().back().text, "Ошибка создание файла");
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(XdslLogPagePeerTest, FirmwareWithoutLogsAsksNothing) {
  SetVersion(8.0f, 3);
  page_.Start();
  EXPECT_TRUE(peer_.written().empty());
  SetVersion(10.2f, 0);
  EXPECT_TRUE(page_.ReceiveList());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_TRUE(page_.entries().empty());
}

TEST_F(XdslLogPagePeerTest, TheChartShowsTheSelectedLogOnceReceived) {
  SetVersion(10.01f, 2);
  ExpectList('D', {"a", "b"});
  ASSERT_TRUE(page_.ReceiveList());
  page_.Select(1);
  EXPECT_FALSE(page_.SelectedChart());
  ExpectLog(1, 1680);
  ASSERT_TRUE(page_.ReceiveSelectedLog());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  auto chart = page_.SelectedChart();
  ASSERT_TRUE(chart);
  EXPECT_EQ(chart->title, "b (G.DMT)");
  chart->SetMarker(2);
  EXPECT_EQ(*chart->charts[0].MarkerValues()[0].y, -40);
  // The other entry has no log yet; back on "b" the chart returns.
  page_.Select(0);
  EXPECT_FALSE(page_.SelectedChart());
  page_.Select(1);
  EXPECT_TRUE(page_.SelectedChart());
  // A failed receive shows its message and leaves no chart for "a".
  page_.Select(0);
  peer_.Expect(Command(0x6C), Confirm(0x6C));
  EXPECT_FALSE(page_.ReceiveSelectedLog());
  EXPECT_TRUE(screen_.HasMessage("Ошибка выполнения команды"));
  EXPECT_FALSE(page_.SelectedChart());
}

TEST_F(XdslLogPagePeerTest, SaveChartAsksForAPngAndReportsAFileNotWritten) {
  SetVersion(10.01f, 1);
  ExpectList('D', {"a"});
  ASSERT_TRUE(page_.ReceiveList());
  std::vector<std::string> drawn;
  bool draws = true;
  const auto draw = [&](const ChartFigure& chart) {
    drawn.push_back(chart.title);
    return draws ? std::string("picture of ") + chart.title : std::string();
  };
  // No log received yet: no chart, no dialog.
  EXPECT_FALSE(page_.SaveChart(draw));
  EXPECT_TRUE(screen_.shown().empty());
  ExpectLog(0, 1680);
  ASSERT_TRUE(page_.ReceiveSelectedLog());
  const std::string png = dir_.path().string() + "/x.png";
  screen_.ChooseFile(png, 1);
  EXPECT_TRUE(page_.SaveChart(draw));
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].dialog.default_extension, "png");
  ASSERT_EQ(screen_.shown()[0].dialog.filters.size(), 1u);
  EXPECT_EQ(screen_.shown()[0].dialog.filters[0].pattern, "*.png");
  EXPECT_EQ(drawn, (std::vector<std::string>{"a (G.DMT)"}));
  EXPECT_EQ(ReadFile(png), "picture of a (G.DMT)");
  // A folder that does not exist: the file name and "Ошибка создания файла".
  const std::string bad = dir_.path().string() + "/missing/x.png";
  screen_.ChooseFile(bad, 1);
  EXPECT_FALSE(page_.SaveChart(draw));
  ASSERT_FALSE(screen_.messages().empty());
  EXPECT_EQ(screen_.messages().back().caption, "Ошибка создания файла");
  EXPECT_EQ(screen_.messages().back().text, bad);
  // A picture that could not be drawn leaves the old file as it was.
  draws = false;
  screen_.ChooseFile(png, 1);
  EXPECT_FALSE(page_.SaveChart(draw));
  EXPECT_EQ(screen_.messages().back().text, png);
  EXPECT_EQ(ReadFile(png), "picture of a (G.DMT)");
  // A cancelled dialog draws nothing.
  screen_.ChooseFile(std::nullopt);
  EXPECT_FALSE(page_.SaveChart(draw));
  EXPECT_EQ(drawn.size(), 3u);
}

}  // namespace
}  // namespace telvane
