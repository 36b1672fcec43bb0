// The Qt views of the cable pages, offscreen, each filled from a database that
// telvane-sim sent: an edit through the widget reaches the record, and a PNG
// of the page is written under the build tree.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "app/gui/translation.h"
#include "cable/pages/cable_type_page_view.h"
#include "cable/pages/compact_cable_page_view.h"
#include "cable/pages/full_family_view.h"
#include "cable/pages/planned_base_page_view.h"
#include "page_screenshot.h"
#include "sim_session.h"

namespace telvane {
namespace {

using testing::SimSession;

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Key presses as the keyboard delivers them, one character each.
void Press(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

void Type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  Press(edit, Qt::Key_Backspace, QString());
  for (const QChar c : text) Press(edit, 0, QString(c));
}

class CablePageViewTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::PagesQtApp(); }
  void ExpectScreenshot(QWidget& view, const std::string& name, int width = 760, int height = 520) {
    const std::string path = testing::SavePageScreenshot(view, name, width, height);
    EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
  }
};

TEST_F(CablePageViewTest, CableTypePage) {
  SimSession session(2);
  ASSERT_TRUE(session.opened()) << session.Log();
  CableTypePage page(session.context());
  CableTypePageView view(page, nullptr);
  ASSERT_TRUE(page.ReadStatus());
  Find<QPushButton>(view, "Receive")->click();
  auto* list = Find<QListWidget>(view, "TypeList");
  ASSERT_EQ(list->count(), 63);
  EXPECT_EQ(list->item(1)->text(), "ТПП-0.4");
  EXPECT_EQ(list->item(11)->checkState(), Qt::Checked);
  EXPECT_EQ(list->item(12)->foreground().color(), QColor(128, 128, 128));
  EXPECT_EQ(Find<QLabel>(view, "Current")->text(), "12");
  EXPECT_EQ(Find<QLabel>(view, "Maximum")->text(), "63");

  list->setCurrentRow(1);
  EXPECT_EQ(Find<QLineEdit>(view, "Resistance")->text(), "27.25");
  Type(Find<QLineEdit>(view, "TypeName"), "МАГИСТРАЛЬНЫЙ");
  Type(Find<QLineEdit>(view, "Resistance"), "41.5");
  EXPECT_EQ(page.display()[1].name(), "МАГИСТРАЛЬНЫЙ");
  EXPECT_FLOAT_EQ(page.display()[1].specific_resistance(), 41.5f);
  EXPECT_EQ(list->item(1)->text(), "МАГИСТРАЛЬНЫЙ");
  list->item(3)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(page.checked(3));
  ExpectScreenshot(view, "cable_type_page");
}

TEST_F(CablePageViewTest, FullFamilyPages) {
  SimSession session(6);
  ASSERT_TRUE(session.opened()) << session.Log();
  auto model = std::make_shared<FullFamilyModel>();
  CableSizePage size(session.context(), model);
  CableBasePage base(session.context(), model);
  CableEditPage cable(session.context(), model);
  CableSizePageView size_view(size, nullptr);
  CableBasePageView base_view(base, nullptr);
  CableEditPageView cable_view(cable, nullptr);
  size.Start();
  auto* sizes = Find<QTableWidget>(size_view, "Sizes");
  EXPECT_EQ(sizes->item(0, 0)->text(), "3");
  EXPECT_EQ(sizes->item(0, 1)->text(), "50");
  Find<QPushButton>(base_view, "Receive")->click();
  auto* list = Find<QListWidget>(base_view, "CableList");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "Кабель-3");
  list->setCurrentRow(2);
  EXPECT_EQ(Find<QLabel>(cable_view, "Position")->text(), "№ 3 из 3");

  // Field 0 is the name, field 3 the length; section fields follow the notebook.
  Type(Find<QLineEdit>(cable_view, "Field0"), "ПОДВОД");
  Type(Find<QLineEdit>(cable_view, "Field3"), "4321");
  EXPECT_EQ(model->base.cables[2].name(), "ПОДВОД");
  EXPECT_EQ(model->base.cables[2].length(), 4321);
  EXPECT_EQ(list->item(2)->text(), "ПОДВОД");
  auto* sections = Find<QListWidget>(cable_view, "Sections");
  ASSERT_EQ(sections->count(), 3);
  EXPECT_EQ(sections->item(2)->text(), "Участок 3");
  sections->setCurrentRow(2);
  Type(Find<QLineEdit>(cable_view, "Field11"), "555");
  EXPECT_EQ(model->base.cables[2].section(2).length(), 555);
  qobject_cast<QAbstractButton*>(Find<QWidget>(cable_view, "Move0"))->click();
  EXPECT_EQ(Find<QLineEdit>(cable_view, "Field0")->text(), "Кабель-1");
  ExpectScreenshot(base_view, "full_family_database_page");
  ExpectScreenshot(cable_view, "full_family_cable_page");
  ExpectScreenshot(size_view, "full_family_size_page", 500, 240);

  FullPlannedPage planned(session.context(), model);
  FullPlannedPageView planned_view(planned, nullptr);
  base.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
  for (int i = 0; i < 3; ++i) list->item(i)->setCheckState(i == 2 ? Qt::Checked : Qt::Unchecked);
  Find<QPushButton>(base_view, "Receive")->click();
  list->setCurrentRow(2);
  EXPECT_EQ(Find<QTableWidget>(planned_view, "Pairs")->rowCount(), 30);
  EXPECT_EQ(Find<QLabel>(planned_view, "Date")->text(), "03.12.2026");
  ExpectScreenshot(planned_view, "full_family_planned_page");
}

TEST_F(CablePageViewTest, CompactCablePage) {
  SimSession session(7);
  ASSERT_TRUE(session.opened()) << session.Log();
  CompactCablePage page(session.context(), std::make_shared<CompactModel>());
  CompactCablePageView view(page, nullptr);
  page.Start();
  Find<QPushButton>(view, "Receive")->click();
  auto* list = Find<QListWidget>(view, "CableList");
  ASSERT_EQ(list->count(), 12);
  list->setCurrentRow(1);
  auto* name = Find<QLineEdit>(view, "Name");
  Type(name, "qwerty");
  EXPECT_EQ(name->text(), "ЙЦУКЕН");
  EXPECT_EQ(page.cables()[1].name(), "ЙЦУКЕН");
  EXPECT_EQ(list->item(1)->text(), "ЙЦУКЕН");
  Find<QListWidget>(view, "Sections")->setCurrentRow(1);
  Type(Find<QLineEdit>(view, "Length"), "99990");
  EXPECT_EQ(Find<QLabel>(view, "Total")->text(), "99999");
  Find<QComboBox>(view, "Type")->setCurrentIndex(2);
  EXPECT_EQ(page.cables()[1].section(1).type_index, 2);
  EXPECT_EQ(Find<QLabel>(view, "Diameter")->text(), "0.52");
  list->item(0)->setCheckState(Qt::Checked);
  EXPECT_TRUE(page.marked(0));
  session.screen().Answer(Answer::kYes, "Выделить все?");
  Press(list, Qt::Key_Plus, "+");
  EXPECT_EQ(page.marked_count(), 12);
  EXPECT_TRUE(session.screen().ScriptDone());
  ExpectScreenshot(view, "compact_cable_page", 900, 560);
}

TEST_F(CablePageViewTest, PlannedBasePage) {
  SimSession session(7);
  ASSERT_TRUE(session.opened()) << session.Log();
  PlannedBasePage page(session.context(), std::make_shared<CompactModel>());
  PlannedBasePageView view(page, nullptr);
  page.Start();
  Find<QPushButton>(view, "Receive")->click();
  auto* instrument = Find<QListWidget>(view, "InstrumentList");
  ASSERT_EQ(instrument->count(), 12);
  Find<QPushButton>(view, "Copy")->click();
  auto* computer = Find<QListWidget>(view, "ComputerList");
  ASSERT_EQ(computer->count(), 12);
  computer->setCurrentRow(4);
  EXPECT_EQ(page.shown_side(), PlannedSide::kComputer);
  EXPECT_EQ(page.selected(PlannedSide::kComputer), 4);
  auto* pairs = Find<QTableWidget>(view, "Pairs");
  ASSERT_EQ(pairs->rowCount(), 20);
  EXPECT_EQ(pairs->item(3, 1)->text(), "НЕТ ИЗМЕРЕНИЙ");
  ExpectScreenshot(view, "planned_base_page", 900, 560);
}

// In English the texts the pages make themselves (numbered rows, the mark of
// a missing value, the position) are English too; the data stays as it came.
TEST_F(CablePageViewTest, PagesInEnglish) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  SimSession session(7);
  ASSERT_TRUE(session.opened()) << session.Log();
  {
    PlannedBasePage page(session.context(), std::make_shared<CompactModel>());
    PlannedBasePageView view(page, nullptr);
    page.Start();
    Find<QPushButton>(view, "Receive")->click();
    auto* instrument = Find<QListWidget>(view, "InstrumentList");
    ASSERT_EQ(instrument->count(), 12);
    EXPECT_EQ(instrument->item(11)->text(), "Cable No. 12");
    instrument->setCurrentRow(4);
    auto* pairs = Find<QTableWidget>(view, "Pairs");
    ASSERT_EQ(pairs->rowCount(), 20);
    EXPECT_EQ(pairs->item(3, 1)->text(), "NOT MEASURED");
    EXPECT_EQ(pairs->horizontalHeaderItem(0)->text(), "Pair Number");
    // Numbers as the page formats them, units in English.
    for (int r = 0; r < pairs->rowCount(); ++r) {
      for (int c = 0; c < pairs->columnCount(); ++c) {
        const QString cell = pairs->item(r, c)->text();
        for (const QChar ch : cell) {
          EXPECT_FALSE(ch.unicode() >= 0x0400 && ch.unicode() <= 0x04FF) << cell.toStdString();
        }
      }
    }
    EXPECT_TRUE(pairs->item(0, 1)->text().endsWith(" nF"))
        << pairs->item(0, 1)->text().toStdString();
    ExpectScreenshot(view, "english_planned_base_page", 900, 560);
  }
  {
    CompactCablePage page(session.context(), std::make_shared<CompactModel>());
    CompactCablePageView view(page, nullptr);
    page.Start();
    Find<QPushButton>(view, "Receive")->click();
    auto* list = Find<QListWidget>(view, "CableList");
    ASSERT_EQ(list->count(), 12) << session.Log();
    list->setCurrentRow(1);
    EXPECT_EQ(Find<QLabel>(view, "Position")->text(), "No. 2 of 12");
    auto* sections = Find<QListWidget>(view, "Sections");
    ASSERT_GT(sections->count(), 1);
    EXPECT_EQ(sections->item(1)->text(), "Section 2");
    EXPECT_EQ(Find<QPushButton>(view, "Receive")->text(), "Receive from Instrument");
    ExpectScreenshot(view, "english_compact_cable_page", 900, 560);
  }
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

}  // namespace
}  // namespace telvane
