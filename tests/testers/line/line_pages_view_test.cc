// The line tester's Qt views with data from telvane-sim (kind 17, version
// 3.2), in Russian and in English, written as PNG screenshots; what they show
// is read back from their widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "app/gui/translation.h"
#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"
#include "support/temp_dir.h"
#include "testers/line/frequency_list_page_view.h"
#include "testers/line/line_info_page_view.h"
#include "testers/line/line_records_page_view.h"
#include "testers/line/line_traces_page_view.h"

namespace telvane {
namespace {

using testing::SavePageScreenshot;
using testing::SimSession;

class LinePagesViewTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    testing::PagesQtApp();
    english_ = GetParam();
    ASSERT_TRUE(InstallTranslation(english_ ? QLocale(QLocale::English, QLocale::UnitedStates)
                                            : QLocale(QLocale::Russian, QLocale::Russia)));
    ASSERT_TRUE(session_.opened());
  }
  void TearDown() override { InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)); }
  std::string Name(const std::string& base) const { return base + (english_ ? "_en" : "_ru"); }
  // The view follows the page's changes.
  template <class View, class Page>
  std::unique_ptr<View> ViewOf(Page& page) {
    auto view = std::make_unique<View>(page, nullptr);
    page.SetChangedHook([v = view.get()] { v->Refresh(); });
    return view;
  }

  bool english_ = false;
  SimSession session_{17, {"--firmware", "3.2"}};
  std::shared_ptr<LineTesterState> state_ = std::make_shared<LineTesterState>();
};

TEST_P(LinePagesViewTest, InformationAndFrequencyListAfterTheFirstTransfer) {
  FrequencyListPage list(session_.context(), state_);
  LineInfoPage info(session_.context(), state_);
  auto list_view = ViewOf<FrequencyListPageView>(list);
  auto info_view = ViewOf<LineInfoPageView>(info);
  list.Start();
  info.Start();
  auto* rows = info_view->findChild<QTreeWidget*>("Rows");
  ASSERT_EQ(rows->topLevelItemCount(), 8);
  EXPECT_EQ(rows->topLevelItem(0)->text(0), english_ ? "Instrument Version" : "Версия прибора");
  EXPECT_EQ(rows->topLevelItem(0)->text(1), "3.200");
  EXPECT_EQ(rows->topLevelItem(5)->text(1), "3");  // reflectograms
  SavePageScreenshot(*info_view, Name("line_info_page"));

  auto* frequencies = list_view->findChild<QListWidget*>("Frequencies");
  ASSERT_EQ(frequencies->count(), 6);
  EXPECT_EQ(frequencies->item(5)->text(), "4096");
  auto* offered = list_view->findChild<QComboBox*>("Offered");
  EXPECT_EQ(offered->count(), static_cast<int>(OfferedFrequencies().size()));
  EXPECT_EQ(offered->itemText(0), "32");
  EXPECT_EQ(offered->itemText(offered->count() - 1), "4096");
  // Add the offered 4088 kHz, remove the selected 64 kHz.
  offered->setCurrentIndex(offered->count() - 2);
  list_view->findChild<QPushButton*>("Add")->click();
  frequencies->setCurrentRow(1);
  list_view->findChild<QPushButton*>("Remove")->click();
  ASSERT_EQ(frequencies->count(), 6);
  EXPECT_EQ(frequencies->item(1)->text(), "256");
  EXPECT_EQ(frequencies->item(5)->text(), "4088");
  EXPECT_EQ(list_view->findChild<QLabel*>("Count")->text(),
            english_ ? "6 of 129 frequencies in the list" : "Частот в списке: 6 из 129");
  SavePageScreenshot(*list_view, Name("line_frequency_list_page"));
  list_view->findChild<QPushButton*>("Send")->click();
  list_view->findChild<QPushButton*>("Receive")->click();
  EXPECT_EQ(frequencies->item(5)->text(), "4088");
  EXPECT_TRUE(session_.screen().MessageLines().empty());
}

TEST_P(LinePagesViewTest, RecordsAsTextAndTheirReport) {
  LineRecordsPage records(session_.context(), state_);
  auto view = ViewOf<LineRecordsPageView>(records);
  auto* kinds = view->findChild<QComboBox*>("Kinds");
  ASSERT_EQ(kinds->count(), 6);
  EXPECT_EQ(kinds->itemText(5), english_ ? "ADSL modem" : "ADSL модем");
  auto* report = view->findChild<QPushButton*>("Report");
  EXPECT_FALSE(report->isEnabled());
  kinds->setCurrentIndex(1);  // spectra
  view->findChild<QPushButton*>("Receive")->click();
  const QString text = view->findChild<QPlainTextEdit*>("Text")->toPlainText();
  EXPECT_TRUE(text.startsWith("Запись № 01\n09.12.26 г,\t14:05\n\n0032 кГц,\t\t -40 дБ \n"))
      << text.left(80).toStdString();
  EXPECT_TRUE(report->isEnabled());
  // The chart of the chosen spectrum: 32 kHz on by 16 kHz.
  auto* chosen = view->findChild<QComboBox*>("ChartRecord");
  ASSERT_EQ(chosen->count(), 2);
  auto* chart = view->findChild<ChartWidget*>("Chart");
  ASSERT_EQ(chart->figure().charts.size(), 1u);
  const ChartSeries& first = chart->figure().charts[0].series()[0];
  ASSERT_GE(first.x.size(), 2u);
  EXPECT_EQ(first.x[0], 32);
  EXPECT_EQ(first.x[1], 48);
  chosen->setCurrentIndex(1);
  EXPECT_EQ(chart->figure().charts[0].series()[0].y[0], -45);  // the second record
  SavePageScreenshot(*view, Name("line_records_page"), 1100, 600);

  testing::TempDir pictures;
  session_.screen().ChooseFile(pictures.File("spectrum.png"));
  view->findChild<QPushButton*>("SaveChart")->click();
  const auto png = testing::ReadAll(pictures.File("spectrum.png"));
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[2], 'N');

  // Levels: one bar per record; the ADSL kinds have no chart.
  kinds->setCurrentIndex(0);
  view->findChild<QPushButton*>("Receive")->click();
  EXPECT_EQ(chart->figure().charts[0].series()[0].x, (std::vector<double>{256, 456, 800}));
  SavePageScreenshot(*chart, Name("line_levels_chart"), 700, 420);
  kinds->setCurrentIndex(4);
  view->findChild<QPushButton*>("Receive")->click();
  EXPECT_TRUE(chart->figure().charts.empty());
  EXPECT_FALSE(view->findChild<QPushButton*>("SaveChart")->isEnabled());

  testing::TempDir dir;
  session_.screen().ChooseFile(dir.File("adsl.xls"));
  report->click();
  EXPECT_GT(testing::ReadAll(dir.File("adsl.xls")).size(), 1000u);
}

TEST_P(LinePagesViewTest, ReflectogramsListedAndDrawn) {
  LineTracesPage traces(session_.context(), state_);
  auto view = ViewOf<LineTracesPageView>(traces);
  view->findChild<QPushButton*>("Receive")->click();
  auto* list = view->findChild<QListWidget*>("Reflectograms");
  ASSERT_EQ(list->count(), 3);
  list->setCurrentRow(1);
  EXPECT_EQ(traces.selected(), 1);
  EXPECT_EQ(list->item(1)->text(), "РФГ №02  Pair 2");
  bool range_shown = false;
  for (QLabel* label : view->findChildren<QLabel*>()) range_shown |= label->text() == "500";
  EXPECT_TRUE(range_shown);
  SavePageScreenshot(*view, Name("line_traces_page"), 1000, 600);

  testing::TempDir dir;
  session_.screen().ChooseFile(dir.File("pair2.wv"), 2);
  view->findChild<QPushButton*>("Save")->click();
  const auto wv = testing::ReadAll(dir.File("pair2.wv"));
  ASSERT_GT(wv.size(), 123u);
  EXPECT_EQ(wv[0], 10);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LinePagesViewTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "English" : "Russian"; });

}  // namespace
}  // namespace telvane
