// The cable-type tab of kinds 11, 12, 14 and 16 in its Qt view, offscreen,
// filled from telvane-sim: the type list with its check marks, the selected
// type's fields and the labels by kind, in Russian and in English, with a PNG
// of each under the build tree.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "app/gui/translation.h"
#include "cable/family/family_type_page_view.h"
#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"

namespace telvane {
namespace {

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

bool HasLabel(QWidget& view, const QString& text) {
  for (QLabel* label : view.findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

TEST(FamilyTypesView, Kind11FromTheSimulatorInBothLanguages) {
  testing::PagesQtApp();
  testing::SimSession sim(11, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily435);
  FamilyTypePage page(sim.context(), model);
  {
    FamilyTypePageView view(page, nullptr);
    Find<QPushButton>(view, "Receive")->click();
    auto* list = Find<QListWidget>(view, "TypeList");
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(3)->text(), "КСПП-1x4");
    EXPECT_EQ(list->item(3)->checkState(), Qt::Checked);
    // Unchecking in the list reaches the page; selecting shows the type.
    list->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(page.checked(1));
    list->setCurrentRow(2);
    EXPECT_EQ(Find<QLineEdit>(view, "Name")->text(), "ТГ-0.7");
    EXPECT_EQ(Find<QLineEdit>(view, "Value1")->text(), "50.000");
    EXPECT_EQ(Find<QLineEdit>(view, "Value3")->text(), "95.000");
    EXPECT_TRUE(HasLabel(view, "Уд. емк.(нФ/км):"));
    EXPECT_TRUE(HasLabel(view, "R шлейфа (Ом):"));
    // A factor typed with a comma beyond 7 is stored as 7.
    auto* factor = Find<QLineEdit>(view, "Value2");
    factor->setText("8,5");
    factor->setModified(true);
    Q_EMIT factor->editingFinished();
    EXPECT_EQ(Find<QLineEdit>(view, "Value2")->text(), "7.000");
    EXPECT_EQ(model->type_value(2, 1), 7.0f);
    EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(view, "family_types_kind11")));
  }
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  {
    FamilyTypePageView view(page, nullptr);
    EXPECT_EQ(Find<QPushButton>(view, "Receive")->text(), "Receive");
    EXPECT_TRUE(HasLabel(view, "Spec. cap. (nF/km):"));
    EXPECT_TRUE(HasLabel(view, "Velocity factor:"));
    EXPECT_EQ(view.findChild<QGroupBox*>()->title(), "Cable Type Parameters");
    EXPECT_TRUE(
        std::filesystem::exists(testing::SavePageScreenshot(view, "family_types_kind11_en")));
  }
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

TEST(FamilyTypesView, Kind12AndKind14FromTheSimulator) {
  testing::PagesQtApp();
  {
    testing::SimSession sim(12);
    ASSERT_TRUE(sim.opened());
    FamilyTypePage page(sim.context(), std::make_shared<FamilyModel>(kFamily435));
    FamilyTypePageView view(page, nullptr);
    ASSERT_TRUE(page.Receive());
    EXPECT_TRUE(HasLabel(view, "Пл. сеч.(кв. мм):"));
    EXPECT_TRUE(HasLabel(view, "ТПЖ :"));
    EXPECT_EQ(Find<QLineEdit>(view, "Value1")->text(), "0.126");
    EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(view, "family_types_kind12")));
  }
  testing::SimSession sim(14, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  FamilyTypePage page(sim.context(), std::make_shared<FamilyModel>(kFamily233));
  FamilyTypePageView view(page, nullptr);
  ASSERT_TRUE(page.Receive());
  EXPECT_EQ(Find<QListWidget>(view, "TypeList")->count(), 5);
  EXPECT_EQ(Find<QLineEdit>(view, "Name")->text(), "ТП-0.4");
  EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(view, "family_types_kind14")));
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  {
    FamilyTypePageView english(page, nullptr);
    EXPECT_TRUE(HasLabel(english, "Loop R (Ohm):"));
    EXPECT_TRUE(
        std::filesystem::exists(testing::SavePageScreenshot(english, "family_types_kind14_en")));
  }
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

}  // namespace
}  // namespace telvane
