// The reflectometer families' own pages in their Qt views, offscreen: the
// information rows of kind 10 and the cable page of kinds 11 and 12 (labels
// by kind, list with marks, section values, the tool buttons' tips), with a
// PNG of each under the build tree.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "base/values.h"
#include "cable/family/family_cable_page_view.h"
#include "cable/family/family_info_page_view.h"
#include "cable/pages/page_screenshot.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Two cables of the 435-byte family: names, pairs, two sections with values.
std::vector<uint8_t> TwoCables() {
  std::vector<uint8_t> records;
  const char* names[] = {"\xC2\xE2\xEE\xE4-\xC0", "\xCC\xE0\xE3\xE8\xF1\xF2\xF0\xE0\xEB\xFC"};
  for (int i = 0; i < 2; ++i) {
    std::vector<uint8_t> r(496, 0);
    StoreLe16(static_cast<uint16_t>(50 * (i + 1)), r.data() + 2);
    r[4] = 2;
    StoreLeFloat(18.0f, r.data() + 5);
    for (int s = 0; s < 2; ++s) {
      uint8_t* section = r.data() + 15 + 21 * s;
      StoreLeFloat(300.0f + 100 * s, section + 1);
      StoreLeFloat(200.0f + 66 * s, section + 5);
      StoreLeFloat(45.0f, section + 9);
      StoreLeFloat(1.5f, section + 13);
      StoreLeFloat(280.0f, section + 17);
    }
    std::copy(names[i], names[i] + std::strlen(names[i]), r.begin() + 435);
    std::fill(r.begin() + 476, r.end(), 0xFF);
    records.insert(records.end(), r.begin(), r.end());
  }
  return records;
}

std::shared_ptr<FamilyModel> Loaded(const FamilyLayout& layout, std::vector<uint8_t> records,
                                    int cables) {
  auto model = std::make_shared<FamilyModel>(layout);
  FamilyInfo info;
  info.firmware = 8.025f;
  info.cables = static_cast<uint16_t>(cables);
  info.maximum_cables = 50;
  info.reflectograms = 3;
  EXPECT_TRUE(model->Load(info, records));
  return model;
}

TEST(FamilyPagesView, CablePageOfKind11) {
  testing::PagesQtApp();
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 11, "123456");
  auto model = Loaded(kFamily435, TwoCables(), 2);
  FamilyCablePage page(link.context(), model);
  FamilyCablePageView view(page, nullptr);
  page.SetChecked(1, true);
  page.Select(1);
  page.SelectSection(1);
  auto* list = Find<QListWidget>(view, "CableList");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "Магистраль");
  EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Find<QLineEdit>(view, "Name")->text(), "Магистраль");
  EXPECT_EQ(Find<QListWidget>(view, "Sections")->item(1)->text(), "Участок №02");
  EXPECT_EQ(Find<QLineEdit>(view, "Value1")->text(), "400.000");
  EXPECT_EQ(Find<QLabel>(view, "Derived")->text(), "266.000");
  EXPECT_EQ(Find<QPushButton>(view, "Receive")->toolTip(),
            "Загрузка с прибора параметров отмеченных кабелей");
  EXPECT_EQ(Find<QPushButton>(view, "Send")->toolTip(),
            "Запись в прибор параметров отмеченных кабелей");
  EXPECT_EQ(Find<QPushButton>(view, "UpdateDatabase")->toolTip(),
            "Обновление базы данных отмеченными записями");
  EXPECT_EQ(Find<QPushButton>(view, "OpenDatabase")->toolTip(), "Открытие записей из базы данных");
  // A value typed with a comma is stored and shown with three decimals.
  auto* value1 = Find<QLineEdit>(view, "Value1");
  value1->setText("10,5");
  value1->setModified(true);
  Q_EMIT value1->editingFinished();
  EXPECT_EQ(Find<QLineEdit>(view, "Value1")->text(), "10.500");
  EXPECT_EQ(Find<QLabel>(view, "Derived")->text(), "10.000");  // 10.5 × 1.5 × 2/3
  EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(view, "family435_cables")));
}

TEST(FamilyPagesView, Kind12LabelsAndTheInformationOfKind10) {
  testing::PagesQtApp();
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 12, "123456");
  FamilyCablePage page(link.context(), Loaded(kFamily435, TwoCables(), 2));
  FamilyCablePageView view(page, nullptr);
  bool found = false;
  for (QLabel* label : view.findChildren<QLabel*>()) found |= label->text() == "ТПЖ :";
  EXPECT_TRUE(found);
  EXPECT_TRUE(
      std::filesystem::exists(testing::SavePageScreenshot(view, "family435_cables_kind12")));

  std::vector<uint8_t> older(2 * 380, 0);
  FamilyInfoPage info(link.context(), Loaded(kFamily343, older, 2));
  FamilyInfoPageView info_view(info, nullptr);
  auto* rows = Find<QListWidget>(info_view, "InfoRows");
  ASSERT_EQ(rows->count(), 3);
  EXPECT_EQ(rows->item(0)->text(), "Версия ПО: 8.025");
  EXPECT_EQ(rows->item(1)->text(), "Кабелей: 2 / 50");
  EXPECT_EQ(rows->item(2)->text(), "Рефлектограмм: 3");
  EXPECT_TRUE(std::filesystem::exists(testing::SavePageScreenshot(info_view, "family343_info")));
}

}  // namespace
}  // namespace telvane
