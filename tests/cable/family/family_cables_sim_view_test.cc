// The cable page of kinds 10 and 14 in its Qt view, filled from telvane-sim,
// in Russian and in English: the fields each kind has (and only those), the
// sections and values of the simulated cables, with a PNG of each.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <memory>

#include "app/gui/translation.h"
#include "cable/family/family_cable_page_view.h"
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

struct Language {
  QLocale locale;
  const char* suffix;
  const char* section_02;
  const char* pairs_label;
};

const Language kRussian{QLocale(QLocale::Russian, QLocale::Russia), "", "Участок №02",
                        "Количество пар:"};
const Language kEnglish{QLocale(QLocale::English, QLocale::UnitedStates), "_en", "Section No. 02",
                        "Pairs:"};

bool HasLabel(QWidget& view, const QString& text) {
  for (QLabel* label : view.findChildren<QLabel*>()) {
    if (label->text() == text && label->isVisibleTo(&view)) return true;
  }
  return false;
}

class FamilyCablesSimView : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    testing::PagesQtApp();
    ASSERT_TRUE(InstallTranslation(GetParam().locale));
  }
  void TearDown() override { InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)); }
};

TEST_P(FamilyCablesSimView, Kind14ShowsPairsTemperatureAndEightSections) {
  testing::SimSession sim(14, {"--cables", "3"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily233);
  FamilyCablePage page(sim.context(), model);
  FamilyCablePageView view(page, nullptr);
  view.show();
  ASSERT_TRUE(model->Read(sim.context()));
  ASSERT_TRUE(page.LoadTypes());
  page.SetChecked(0, true);
  page.SelectSection(1);
  auto* list = Find<QListWidget>(view, "CableList");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(Find<QSpinBox>(view, "Pairs")->value(), 2000);
  EXPECT_TRUE(Find<QSpinBox>(view, "Pairs")->isVisibleTo(&view));
  EXPECT_FALSE(Find<QSpinBox>(view, "Number")->isVisibleTo(&view));
  EXPECT_FALSE(Find<QCheckBox>(view, "Option")->isVisibleTo(&view));
  EXPECT_TRUE(HasLabel(view, GetParam().pairs_label));
  auto* sections = Find<QListWidget>(view, "Sections");
  ASSERT_EQ(sections->count(), 2);
  EXPECT_EQ(sections->item(1)->text(), GetParam().section_02);
  EXPECT_EQ(Find<QLineEdit>(view, "Value1")->text(), "225.000");
  EXPECT_TRUE(Find<QLineEdit>(view, "Value4")->isVisibleTo(&view));
  EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(
      view, std::string("family233_cables") + GetParam().suffix, 900, 520)));
}

// "Принять" in the window also reads the types once, so the type choice of a
// received cable offers the instrument's types.
TEST_P(FamilyCablesSimView, Kind11ReceivingOffersTheInstrumentsTypes) {
  testing::SimSession sim(11, {"--cables", "3"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily435);
  FamilyCablePage page(sim.context(), model);
  FamilyCablePageView view(page, nullptr);
  view.show();
  ASSERT_TRUE(model->Read(sim.context()));
  ASSERT_TRUE(model->types().empty());
  page.SetChecked(1, true);
  Find<QPushButton>(view, "Receive")->click();
  ASSERT_FALSE(model->types().empty()) << sim.Log();
  auto* type = Find<QComboBox>(view, "Type");
  EXPECT_TRUE(type->isEnabled());
  EXPECT_EQ(type->count(), static_cast<int>(model->types().size()));
  EXPECT_EQ(type->itemText(0).toStdString(), model->type_name(0));
}

TEST_P(FamilyCablesSimView, Kind10ShowsSectionsWithThreeValues) {
  testing::SimSession sim(10, {"--cables", "3"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily343);
  FamilyCablePage page(sim.context(), model);
  FamilyCablePageView view(page, nullptr);
  view.show();
  ASSERT_TRUE(model->Read(sim.context()));
  page.Select(2);
  page.SetChecked(2, true);
  EXPECT_FALSE(Find<QSpinBox>(view, "Pairs")->isVisibleTo(&view));
  EXPECT_FALSE(Find<QLineEdit>(view, "Value4")->isVisibleTo(&view));
  EXPECT_FALSE(HasLabel(view, GetParam().pairs_label));
  EXPECT_EQ(Find<QLineEdit>(view, "Name")->maxLength(), 16);
  auto* sections = Find<QListWidget>(view, "Sections");
  ASSERT_EQ(sections->count(), 20);
  EXPECT_EQ(sections->item(1)->text(), GetParam().section_02);
  EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(
      view, std::string("family343_cables") + GetParam().suffix, 900, 520)));
}

INSTANTIATE_TEST_SUITE_P(Languages, FamilyCablesSimView, ::testing::Values(kRussian, kEnglish),
                         [](const auto& info) { return info.index == 0 ? "Russian" : "English"; });

}  // namespace
}  // namespace telvane
