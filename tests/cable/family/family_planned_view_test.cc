// "БД плановых измерений" of kinds 11 and 14 in its Qt view, offscreen,
// filled from telvane-sim: the cable list with its locked entries, the name
// and date, the table of the 2000-pair cable, in Russian and in English, with
// a PNG of each under the build tree.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <memory>

#include "app/gui/translation.h"
#include "cable/family/family_planned_page_view.h"
#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"

namespace telvane {
namespace {

using testing::SimSession;

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

bool HasCyrillic(const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() >= 0x0400 && ch.unicode() <= 0x04FF) return true;
  }
  return false;
}

class FamilyPlannedViewTest : public ::testing::Test {
 protected:
  FamilyPlannedViewTest() { testing::PagesQtApp(); }
  ~FamilyPlannedViewTest() override {
    InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia));
  }
};

TEST_F(FamilyPlannedViewTest, Kind11FromTheSimulator) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
  SimSession sim(11);
  sim.options().locked_leading_entries = 2;  // the program's default
  ASSERT_TRUE(sim.opened());
  FamilyPlannedPage page(sim.context(), std::make_shared<FamilyModel>(kFamily435));
  FamilyPlannedPageView view(page, nullptr);
  Find<QPushButton>(view, "Receive")->click();
  EXPECT_TRUE(sim.screen().MessageLines().empty()) << sim.Log();
  auto* cables = Find<QListWidget>(view, "Cables");
  ASSERT_EQ(cables->count(), 3);
  EXPECT_EQ(cables->currentRow(), 2);
  // The two locked entries cannot be chosen.
  EXPECT_FALSE(cables->item(0)->flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(cables->item(2)->flags() & Qt::ItemIsSelectable);
  EXPECT_EQ(Find<QLabel>(view, "PlannedName")->text(), "Имя плановых измерений: План-3");
  EXPECT_EQ(Find<QLabel>(view, "PlannedDate")->text(), "Дата проведения измерений: 05.11.2026");
  auto* pairs = Find<QTableWidget>(view, "Pairs");
  ASSERT_EQ(pairs->columnCount(), 9);
  ASSERT_EQ(pairs->rowCount(), 2000);
  EXPECT_EQ(pairs->horizontalHeaderItem(7)->text(), "Rшл (Ом)");
  EXPECT_EQ(pairs->item(5, 1)->text(), "    -----    ");
  EXPECT_EQ(pairs->item(7, 7)->text(), "1000.0 Ом ");
  EXPECT_EQ(pairs->item(1999, 0)->text(), "1999");
  EXPECT_TRUE(std::filesystem::exists(
      testing::SavePageScreenshot(view, "family_planned_kind11", 1000, 560)));
}

TEST_F(FamilyPlannedViewTest, Kind14InEnglish) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  SimSession sim(14);
  sim.options().locked_leading_entries = 2;  // the program's default
  ASSERT_TRUE(sim.opened());
  FamilyPlannedPage page(sim.context(), std::make_shared<FamilyModel>(kFamily233));
  FamilyPlannedPageView view(page, nullptr);
  Find<QPushButton>(view, "Receive")->click();
  EXPECT_TRUE(sim.screen().MessageLines().empty()) << sim.Log();
  EXPECT_FALSE(Find<QLabel>(view, "PlannedName")->isVisibleTo(&view));
  auto* pairs = Find<QTableWidget>(view, "Pairs");
  ASSERT_EQ(pairs->columnCount(), 7);
  ASSERT_EQ(pairs->rowCount(), 2000);
  EXPECT_EQ(pairs->horizontalHeaderItem(0)->text(), "Pair Number");
  for (int c = 0; c < pairs->columnCount(); ++c) {
    EXPECT_FALSE(HasCyrillic(pairs->horizontalHeaderItem(c)->text()))
        << pairs->horizontalHeaderItem(c)->text().toStdString();
    EXPECT_FALSE(HasCyrillic(pairs->item(7, c)->text())) << pairs->item(7, c)->text().toStdString();
  }
  EXPECT_EQ(Find<QPushButton>(view, "Save")->text(), "Save...");
  EXPECT_TRUE(std::filesystem::exists(
      testing::SavePageScreenshot(view, "english_family_planned_kind14", 1000, 560)));
}

TEST_F(FamilyPlannedViewTest, Kind14FromTheSimulator) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
  SimSession sim(14);
  sim.options().locked_leading_entries = 2;  // the program's default
  ASSERT_TRUE(sim.opened());
  FamilyPlannedPage page(sim.context(), std::make_shared<FamilyModel>(kFamily233));
  FamilyPlannedPageView view(page, nullptr);
  Find<QPushButton>(view, "Receive")->click();
  EXPECT_TRUE(sim.screen().MessageLines().empty()) << sim.Log();
  auto* cables = Find<QListWidget>(view, "Cables");
  ASSERT_GT(cables->count(), 2);
  EXPECT_EQ(cables->currentRow(), 2);
  EXPECT_FALSE(cables->item(1)->flags() & Qt::ItemIsSelectable);
  // The 233-byte family has no name and date of its planned measurements.
  EXPECT_FALSE(Find<QLabel>(view, "PlannedName")->isVisibleTo(&view));
  auto* pairs = Find<QTableWidget>(view, "Pairs");
  ASSERT_EQ(pairs->columnCount(), 7);
  ASSERT_EQ(pairs->rowCount(), 2000);
  for (int c = 1; c < pairs->columnCount(); ++c) {
    EXPECT_TRUE(HasCyrillic(pairs->horizontalHeaderItem(c)->text()))
        << pairs->horizontalHeaderItem(c)->text().toStdString();
  }
  EXPECT_EQ(Find<QPushButton>(view, "Save")->text(), "Сохранить...");
  EXPECT_TRUE(std::filesystem::exists(
      testing::SavePageScreenshot(view, "family_planned_kind14", 1000, 560)));
}

TEST_F(FamilyPlannedViewTest, Kind11InEnglish) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  SimSession sim(11);
  sim.options().locked_leading_entries = 2;  // the program's default
  ASSERT_TRUE(sim.opened());
  FamilyPlannedPage page(sim.context(), std::make_shared<FamilyModel>(kFamily435));
  FamilyPlannedPageView view(page, nullptr);
  Find<QPushButton>(view, "Receive")->click();
  auto* pairs = Find<QTableWidget>(view, "Pairs");
  ASSERT_EQ(pairs->rowCount(), 2000);
  EXPECT_EQ(pairs->horizontalHeaderItem(7)->text(), "R loop (Ohm)");
  EXPECT_EQ(Find<QLabel>(view, "PlannedDate")->text(), "Measurement date: 05.11.2026");
  for (int c = 0; c < pairs->columnCount(); ++c) {
    EXPECT_FALSE(HasCyrillic(pairs->item(7, c)->text())) << pairs->item(7, c)->text().toStdString();
  }
  EXPECT_TRUE(std::filesystem::exists(
      testing::SavePageScreenshot(view, "english_family_planned_kind11", 1000, 560)));
}

}  // namespace
}  // namespace telvane
