// The Qt view of the xDSL log page with logs from telvane-sim: the list with
// its marks, the summary, the chart of a received log and its PNG, in Russian
// and in English, written as screenshots.
#include "testers/xdsl/xdsl_log_page_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "app/gui/translation.h"
#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"
#include "support/temp_dir.h"
#include "testers/xdsl/xdsl_chart.h"

namespace telvane {
namespace {

using testing::SavePageScreenshot;
using testing::SimSession;

bool HasCyrillic(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
  }
  return false;
}

// Pixels of `colour` in what the widget shows.
int CountColour(QWidget& widget, PlotColour colour) {
  const QImage image = widget.grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (p.red() == colour.r && p.green() == colour.g && p.blue() == colour.b) ++count;
    }
  }
  return count;
}

class XdslLogPageViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PagesQtApp();
    ASSERT_TRUE(session_.opened());
    session_.context().facts.version = 10.05f;
    session_.context().facts.xdsl_logs = 3;
  }
  void TearDown() override { InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)); }

  SimSession session_{11, {"--firmware", "10.05", "--xdsl-logs", "3"}};
  XdslLogPage page_{session_.context()};
  testing::TempDir dir_;
};

TEST_F(XdslLogPageViewTest, ListSummaryMarksAndChart) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
  XdslLogPageView view(page_, nullptr);
  page_.SetChangedHook([&] { view.Refresh(); });
  auto* chart_button = view.findChild<QPushButton*>("ShowChart");
  auto* save_chart = view.findChild<QPushButton*>("SaveChart");
  EXPECT_FALSE(view.findChild<QPushButton*>("Save")->isEnabled());
  EXPECT_FALSE(chart_button->isEnabled());
  view.findChild<QPushButton*>("Receive")->click();
  auto* logs = view.findChild<QListWidget*>("Logs");
  ASSERT_EQ(logs->count(), 3);
  EXPECT_EQ(logs->item(2)->text(), "Лог 03");
  EXPECT_EQ(logs->currentRow(), 0);
  EXPECT_EQ(view.findChild<QLabel*>("Name")->text(), "Лог 01");
  EXPECT_EQ(view.findChild<QLabel*>("Mode")->text(), "ADSL");
  auto* summary = view.findChild<QTreeWidget*>("Summary");
  ASSERT_EQ(summary->topLevelItemCount(), 5);
  EXPECT_EQ(summary->topLevelItem(0)->text(0), "SNR, dB");
  EXPECT_EQ(summary->topLevelItem(0)->text(1), "12.5");
  EXPECT_EQ(summary->topLevelItem(0)->text(2), "9.5");
  EXPECT_EQ(summary->topLevelItem(4)->text(1), "7616");
  EXPECT_TRUE(view.findChild<QPushButton*>("Save")->isEnabled());
  EXPECT_FALSE(save_chart->isEnabled());

  // Choosing the second log and showing its chart receives it (0x6C).
  logs->setCurrentRow(1);
  EXPECT_EQ(page_.selected(), 1u);
  EXPECT_EQ(view.findChild<QLabel*>("Mode")->text(), "ADSL2");
  EXPECT_EQ(summary->topLevelItem(0)->text(1), "13.5");
  chart_button->click();
  EXPECT_TRUE(session_.screen().messages().empty()) << session_.screen().MessageLines()[0];
  auto* chart = view.findChild<ChartWidget*>("Chart");
  ASSERT_EQ(chart->figure().charts.size(), 3u);
  EXPECT_EQ(chart->figure().title, "Лог 02 (ADSL2)");
  EXPECT_TRUE(save_chart->isEnabled());
  // Bin 0's noise byte is 200: -160 dBm/Hz; the simulator loads tone 40 with
  // bits (52 - 4 - 5 - 6) / 3 = 12.
  chart->SetMarker(0);
  EXPECT_EQ(*chart->figure().charts[kXdslNoiseChart].MarkerValues()[0].y, -160);
  chart->SetMarker(40);
  EXPECT_EQ(*chart->figure().charts[kXdslBitsChart].MarkerValues()[0].y, 12);
  SavePageScreenshot(view, "xdsl_log_page", 1100, 800);
  EXPECT_GT(CountColour(*chart, chart->figure().charts[kXdslBitsChart].series()[0].colour), 500);
  EXPECT_GT(CountColour(*chart, chart->figure().charts[kXdslNoiseChart].series()[0].colour), 50);

  // Marks: one by its check box, then all after the question.
  logs->item(2)->setCheckState(Qt::Checked);
  EXPECT_EQ(page_.marks(), (std::vector<bool>{false, false, true}));
  session_.screen().Answer(Answer::kYes, "Выделить все?");
  view.findChild<QPushButton*>("MarkAll")->click();
  EXPECT_EQ(page_.marks(), (std::vector<bool>{true, true, true}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(logs->item(i)->checkState(), Qt::Checked);
  session_.screen().Answer(Answer::kNo, "Отменить выделение для всех?");
  view.findChild<QPushButton*>("UnmarkAll")->click();
  EXPECT_EQ(page_.marks(), (std::vector<bool>{true, true, true}));

  // The chart as a PNG file of the picture shown.
  const std::string png = dir_.File("chart.png");
  session_.screen().ChooseFile(png);
  save_chart->click();
  const QImage saved(QString::fromStdString(png));
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), chart->size());
  // Another log without a received one shows no chart.
  logs->setCurrentRow(0);
  EXPECT_TRUE(chart->figure().charts.empty());
  EXPECT_FALSE(save_chart->isEnabled());
}

TEST_F(XdslLogPageViewTest, EnglishTexts) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  XdslLogPageView view(page_, nullptr);
  page_.SetChangedHook([&] { view.Refresh(); });
  ASSERT_TRUE(page_.ReceiveList());
  ASSERT_TRUE(page_.ReceiveSelectedLog());
  EXPECT_EQ(view.findChild<QPushButton*>("ShowChart")->text(), "Show Chart");
  for (QPushButton* b : view.findChildren<QPushButton*>()) {
    EXPECT_FALSE(HasCyrillic(b->text())) << b->text().toStdString();
  }
  for (QLabel* l : view.findChildren<QLabel*>()) {
    if (l->objectName() != "Name") {
      EXPECT_FALSE(HasCyrillic(l->text())) << l->text().toStdString();
    }
  }
  SavePageScreenshot(view, "xdsl_log_page_en", 1100, 800);
}

}  // namespace
}  // namespace telvane
