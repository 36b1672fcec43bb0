// The Qt views of kind 9's cable list and planned measurements with the
// simulator's database, in Russian and in English, written as PNG
// screenshots; what they show is read back from their widgets.
#include "testers/plan/kind9_pages_view.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "app/gui/translation.h"
#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"
#include "link/initial_transfer.h"
#include "testers/plan/database_plan_page.h"

namespace telvane {
namespace {

using testing::SavePageScreenshot;
using testing::SimSession;

// The three pages of one window over the simulator's seven records, read as
// the kind's first transfer reads them.
struct Kind9Window {
  explicit Kind9Window(SimSession& session)
      : database(std::make_shared<Kind9Database>(2)),
        plan(session.context(), database),
        cables(session.context(), database),
        planned(session.context(), database) {}

  std::shared_ptr<Kind9Database> database;
  DatabasePlanPage plan;
  Kind9CablePage cables;
  Kind9PlannedPage planned;
};

void ShowInLanguage(const QLocale& locale, const char* suffix, const QString& heading,
                    const QString& missing, const QString& cable_text) {
  ASSERT_TRUE(InstallTranslation(locale));
  SimSession session(9, {"--cables", "7"});
  session.options().locked_leading_entries = 2;  // the program's default
  ASSERT_TRUE(session.opened());
  ASSERT_TRUE(InitialTransferKind9(session.link(), session.link().port()));
  Kind9Window window(session);
  Kind9CablePageView cable_view(window.cables, nullptr);
  Kind9PlannedPageView planned_view(window.planned, nullptr);
  window.cables.SetChangedHook([&] { cable_view.Refresh(); });
  window.planned.SetChangedHook([&] { planned_view.Refresh(); });
  window.plan.Start();
  window.cables.Start();

  auto* list = cable_view.findChild<QTreeWidget*>("Cables");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->topLevelItemCount(), 5) << session.Log();
  EXPECT_EQ(list->headerItem()->text(1), heading);
  EXPECT_EQ(list->topLevelItem(3)->text(1), "ТПП 30х2 Садовая");
  // The two locked rows cannot be chosen; a click on the fourth moves the cursor.
  EXPECT_FALSE(list->topLevelItem(0)->flags() & Qt::ItemIsSelectable);
  EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
  list->setCurrentItem(list->topLevelItem(3));
  EXPECT_EQ(window.cables.cursor(), 3);
  SavePageScreenshot(cable_view, std::string("kind9_cable_page") + suffix, 760, 420);

  planned_view.findChild<QPushButton*>("Receive")->click();
  auto* pairs = planned_view.findChild<QTreeWidget*>("Pairs");
  ASSERT_EQ(pairs->topLevelItemCount(), 4) << session.Log();
  EXPECT_EQ(planned_view.findChild<QLabel*>("Cable")->text(), cable_text);
  EXPECT_EQ(pairs->topLevelItem(3)->text(1), missing);
  SavePageScreenshot(planned_view, std::string("kind9_planned_page") + suffix, 900, 420);
}

TEST(Kind9PagesViewTest, CableListAndPlannedMeasurementsInRussian) {
  testing::PagesQtApp();
  ShowInLanguage(QLocale(QLocale::Russian, QLocale::Russia), "", "Наименование кабеля",
                 "НЕТ ИЗМЕРЕНИЙ", "Кабель №4: ТПП 30х2 Садовая");
}

TEST(Kind9PagesViewTest, CableListAndPlannedMeasurementsInEnglish) {
  testing::PagesQtApp();
  ShowInLanguage(QLocale(QLocale::English, QLocale::UnitedStates), "_english", "Cable name",
                 "NOT MEASURED", "Cable No. 4: ТПП 30х2 Садовая");
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

}  // namespace
}  // namespace telvane
