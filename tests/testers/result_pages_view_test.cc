// The Qt views of the E1 and Ethernet result pages and the E1 viewer, with
// data from telvane-sim, written as PNG screenshots; what they show is read
// back from their widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"
#include "support/temp_dir.h"
#include "testers/e1/e1_results_page_view.h"
#include "testers/e1/e1_viewer_view.h"
#include "testers/ethernet/ethernet_results_page_view.h"

namespace telvane {
namespace {

using testing::SavePageScreenshot;
using testing::SimSession;

TEST(ResultPagesViewTest, E1PageAndViewerWithSimulatorData) {
  testing::PagesQtApp();
  SimSession session(19);
  ASSERT_TRUE(session.opened());
  E1ResultsPage page(session.context());
  E1ResultsPageView view(page, nullptr);
  page.SetChangedHook([&] { view.Refresh(); });
  ASSERT_TRUE(page.Receive());
  page.SelectRecord(12);
  auto* files = view.findChild<QListWidget*>("FileList");
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->count(), 3);
  EXPECT_EQ(files->item(1)->text(), "Файл  2  (пуст)");
  EXPECT_EQ(view.findChild<QListWidget*>("Records")->count(), 40);
  auto* results = view.findChild<QTreeWidget*>("IntervalResults");
  ASSERT_GE(results->topLevelItemCount(), 1);
  EXPECT_EQ(results->topLevelItem(0)->child(2)->text(0), "FAS");
  EXPECT_EQ(results->topLevelItem(0)->child(2)->text(2), "1.000e+00");
  EXPECT_TRUE(
      view.findChild<QLabel*>("Summary")->text().startsWith("Начало измерения: 07.12.2026"));
  SavePageScreenshot(view, "e1_results_page", 1000, 640);

  testing::TempDir dir;
  const std::string path = dir.File("file1.vse1page");
  session.screen().ChooseFile(path);
  ASSERT_TRUE(page.SavePage());
  E1ViewerWindow viewer(session.screen());
  ASSERT_TRUE(viewer.Open(path));
  EXPECT_EQ(viewer.document().selected_file()->records.size(), 40u);
  EXPECT_EQ(viewer.findChild<QListWidget*>("FileList")->item(0)->text(), "Файл  1");
  SavePageScreenshot(viewer, "e1_viewer", 1000, 640);
  // The chart as a PNG file.
  session.screen().ChooseFile(dir.File("chart.png"));
  viewer.findChild<QPushButton*>("SaveChart")->click();
  const auto png = testing::ReadAll(dir.File("chart.png"));
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[2], 'N');
}

TEST(ResultPagesViewTest, EthernetPageWithSimulatorData) {
  testing::PagesQtApp();
  SimSession session(20);
  ASSERT_TRUE(session.opened());
  EthernetResultsPage page(session.context());
  EthernetResultsPageView view(page, nullptr);
  page.SetChangedHook([&] { view.Refresh(); });
  ASSERT_TRUE(page.Receive());
  auto* list = view.findChild<QListWidget*>("FileList");
  EXPECT_EQ(list->count(), 6);
  auto* report = view.findChild<QPushButton*>("Report");
  EXPECT_TRUE(report->isEnabled());
  list->setCurrentRow(1);
  EXPECT_EQ(view.findChild<QLabel*>("Selection")->text(), "Файл пуст");
  EXPECT_FALSE(report->isEnabled());
  list->setCurrentRow(0);
  view.findChild<QComboBox*>("Units")->setCurrentIndex(1);
  EXPECT_EQ(page.unit(), 1);
  SavePageScreenshot(view, "ethernet_results_page", 1000, 600);
}

}  // namespace
}  // namespace telvane
