// The E1 and Ethernet result pages against telvane-sim (written on its own
// from the record layouts): every file received, the LOF minute of file 1,
// the page file written and read back, the statuses and verdicts of every
// result; and the command line's "pages e1", "pages ethernet", "e1 show" and
// "e1 report" on the same simulator.
#include <gtest/gtest.h>

#include "cable/pages/sim_session.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"
#include "testers/e1/e1_results_page.h"
#include "testers/ethernet/ethernet_results_page.h"

namespace telvane {
namespace {

using testing::RunCli;
using testing::ShellQuote;
using testing::SimSession;
using testing::TempDir;

std::string RatioOf(const E1Document& d, const std::string& title, const std::string& name) {
  for (const auto& s : d.IntervalResults()) {
    if (s.title != title) continue;
    for (const auto& row : s.rows) {
      if (row.name == name) return row.ratio;
    }
  }
  return "(absent)";
}

TEST(ResultPagesSimTest, E1FilesFromTheSimulatorAndTheirPageFile) {
  SimSession session(19);
  ASSERT_TRUE(session.opened()) << session.Log();
  E1ResultsPage page(session.context());
  ASSERT_TRUE(page.Receive()) << session.Log();
  EXPECT_TRUE(session.screen().MessageLines().empty());
  const E1Document& d = page.document();
  ASSERT_EQ(d.ListLines(), (std::vector<std::string>{"Файл  1", "Файл  2  (пуст)", "Файл  3"}));
  EXPECT_EQ(d.selected_file()->records.size(), 40u);
  EXPECT_EQ(d.SummaryText(),
            "Начало измерения: 07.12.2026 09:30:00\r\n"
            "Окончание измерения: 07.12.2026 10:10:00\r\n"
            "Количество записей: 40\r\n"
            "Интервал: 1 мин\r\n");
  page.SelectRecord(12);  // the LOF minute
  EXPECT_EQ(RatioOf(d, "Ошибки", "FAS"), "1.000e+00");
  EXPECT_EQ(RatioOf(d, "Аварийные секунды", "LOF"), "100.000 %");
  // The far end restarted its counts: every difference counts 0, and without
  // an available second the ratios are not defined.
  page.SelectRecord(13);
  const auto results = d.IntervalResults();
  EXPECT_EQ(results[4].title, "Результаты G.826 (дальний конец)");
  for (const auto& row : results[4].rows) {
    EXPECT_EQ(row.count, 0u) << row.name;
  }
  EXPECT_EQ(RatioOf(d, "Результаты G.826 (дальний конец)", "EB"), "-");
  EXPECT_EQ(RatioOf(d, "Результаты G.826 (дальний конец)", "US"), "0.000 %");

  TempDir dir;
  const std::string path = dir.File("file1.vse1page");
  session.screen().ChooseFile(path);
  ASSERT_TRUE(page.SavePage());
  EXPECT_EQ(testing::ReadAll(path).size(), 40u * 328 + 362);
  page.Select(1);
  session.screen().ChooseFile(path);
  ASSERT_TRUE(page.LoadPage());
  EXPECT_EQ(d.ListLines()[1], "Файл  2");
  EXPECT_EQ(d.files()[1].records, d.files()[0].records);

  // "e1 show" reads the same file with the page's checks.
  const auto shown = RunCli("e1 show " + ShellQuote(path));
  EXPECT_EQ(shown.status, 0) << shown.output;
  EXPECT_NE(shown.output.find("Количество записей: 40\n"), std::string::npos) << shown.output;
  EXPECT_NE(shown.output.find("Запись 40: 07.12.2026   10:10\n"), std::string::npos);
  EXPECT_NE(shown.output.find("Интервал 13\n"), std::string::npos);
  EXPECT_NE(shown.output.find("Ошибки\tFAS\t7\t1.000e+00\n"), std::string::npos);
  const auto report = RunCli("e1 report " + ShellQuote(path) + " " + ShellQuote(dir.File("p.xls")));
  EXPECT_EQ(report.status, 0) << report.output;
  EXPECT_GT(testing::ReadAll(dir.File("p.xls")).size(), 1000u);

  auto bytes = testing::ReadAll(path);
  bytes[400] ^= 0xFF;
  testing::WriteAll(dir.File("bad.vse1page"), bytes);
  const auto refused = RunCli("e1 show " + ShellQuote(dir.File("bad.vse1page")));
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("Файл повреждён или имеет неправильный формат CRC-CCITT16: 0x"),
            std::string::npos)
      << refused.output;
}

TEST(ResultPagesSimTest, E1InformationOf135GivesThirtyNineFiles) {
  SimSession session(19, {"--tester-info", "135"});
  ASSERT_TRUE(session.opened());
  E1ResultsPage page(session.context());
  ASSERT_TRUE(page.Receive()) << session.Log();
  ASSERT_EQ(page.document().file_count(), 39);
  EXPECT_EQ(page.document().ListLines()[38], "Файл  39");
  EXPECT_EQ(page.document().ListLines()[37], "Файл  38  (пуст)");
}

TEST(ResultPagesSimTest, EthernetResultsWithEveryStatusAndVerdict) {
  SimSession session(20);
  ASSERT_TRUE(session.opened());
  EthernetResultsPage page(session.context());
  ASSERT_TRUE(page.Receive()) << session.Log();
  ASSERT_EQ(page.lines().size(), 6u);
  EXPECT_EQ(page.lines()[0], "01. RFC2544_1");
  page.Select(1);
  EXPECT_EQ(page.SelectionText(), "Файл пуст");
  EXPECT_FALSE(page.can_report());
  page.Select(2);
  const Rfc2544Result& r = *page.selected_result();
  EXPECT_EQ(SectionCellText(r, Rfc2544Section::kThroughput, 0, 0), "прерван");
  EXPECT_EQ(SectionCellText(r, Rfc2544Section::kBackToBack, 6, 0), "потеря связи");
  EXPECT_EQ(SectionCellText(r, Rfc2544Section::kFrameLoss, 1, 0), "?");
  EXPECT_EQ(VerdictText(r.verdict(Rfc2544Section::kLatency, 3)), "?");
  EXPECT_EQ(OverallVerdict(r), "НЕ ПРОЙДЕН");
  page.Select(4);
  EXPECT_EQ(OverallVerdict(*page.selected_result()), "пройден");
  page.Select(3);
  EXPECT_EQ(page.selected_result()->frame_size_count(), 12);
  EXPECT_EQ(FrameSizeText(*page.selected_result(), 10), "?");
}

TEST(ResultPagesCliTest, PagesE1AndEthernetOnTheSimulator) {
  testing::SimPortDir ports;
  TempDir dir;
  testing::SimProcess e1(ports.path(), 1, {"--kind", "19", "--serial", "E10001"});
  ASSERT_TRUE(e1.ready());
  const auto run = RunCli("--file " + ShellQuote(dir.File("f3.vse1page")) +
                          " pages e1 --session 19:E10001:COM1 --select 3 --print --interval 5 "
                          "--save-page");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Файл  1\nФайл  2  (пуст)\nФайл  3\nНачало измерения: 09.12.2026 "
                            "14:30:00\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Интервал 5\n"), std::string::npos);
  EXPECT_NE(run.output.find("Аварийные секунды\tAIS\t120\t20.000 %\n"), std::string::npos)
      << run.output;
  EXPECT_EQ(testing::ReadAll(dir.File("f3.vse1page")).size(), 12u * 328 + 362);
  const auto beyond = RunCli("pages e1 --session 19:E10001:COM1 --interval 41");
  EXPECT_EQ(beyond.status, 1) << beyond.output;

  testing::SimProcess ethernet(ports.path(), 2, {"--kind", "20", "--serial", "ETH001"});
  ASSERT_TRUE(ethernet.ready());
  const auto eth = RunCli("--file " + ShellQuote(dir.File("r.xls")) +
                          " pages ethernet --session 20:ETH001:COM2 --select 1 --units mbit "
                          "--print --report");
  EXPECT_EQ(eth.status, 0) << eth.output;
  EXPECT_NE(eth.output.find("06. RFC2544_6\nНачало измерения: 02.12.2026 09:15:10\n"),
            std::string::npos)
      << eth.output;
  EXPECT_GT(testing::ReadAll(dir.File("r.xls")).size(), 500u);
  const auto empty = RunCli("pages ethernet --session 20:ETH001:COM2 --select 2 --report");
  EXPECT_EQ(empty.status, 1) << empty.output;
  EXPECT_NE(empty.output.find("Файл пуст"), std::string::npos);
  EXPECT_EQ(RunCli("pages ethernet --session 20:ETH001:COM2 --units knots").status, 2);
}

}  // namespace
}  // namespace telvane
