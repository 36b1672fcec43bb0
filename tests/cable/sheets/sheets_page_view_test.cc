// The Qt views of the sheet page, the armour-wear page and kind 9's memory
// plan, offscreen, filled through a scripted peer: the widgets show the
// page's texts, an edit reaches the plan, and a PNG of each page is written
// under the build tree.
#include "cable/sheets/sheets_page_view.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "cable/pages/page_screenshot.h"
#include "cable/sheets/sheet_samples.h"
#include "cable/wear/wear_page_view.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "testers/plan/database_plan_page_view.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

void ExpectScreenshot(QWidget& view, const std::string& name) {
  const std::string path = testing::SavePageScreenshot(view, name);
  EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
}

// Command `code` then `records`, as the sheet page's peer test plays them.
void ExpectRecords(testing::ScriptedPeer& peer, const PeerBytes& address, uint8_t code,
                   const std::vector<PeerBytes>& records) {
  PeerBytes command = address;
  command.push_back(code);
  uint8_t sum = 0;
  for (uint8_t b : command) sum = static_cast<uint8_t>(sum + b);
  command.push_back(sum);
  PeerBytes reply = PeerFrame({address, {static_cast<uint8_t>(~code)}});
  reply = PeerJoin({reply, PeerFrame({address, records[0]})});
  peer.Expect(command, reply);
  for (size_t i = 0; i < records.size(); ++i) {
    const PeerBytes next =
        i + 1 < records.size() ? PeerFrame({address, records[i + 1]}) : PeerBytes{};
    peer.Expect(PeerFrame({address, {static_cast<uint8_t>(~i)}}), next);
  }
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::PagesQtApp(); }
};

TEST_F(ViewTest, SheetsPage) {
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 13, "654321");
  const PeerBytes address = PeerAddress(13, "654321");
  PeerBytes catalogue(16, 0);
  catalogue[0] = 3;
  catalogue[1] = 4;
  testing::PutFloat(catalogue, 4, 1.5f);
  testing::PutFloat(catalogue, 12, 302.0f);
  ExpectRecords(peer, address, 0x70, {catalogue});
  ExpectRecords(
      peer, address, 0x71,
      {testing::FullSheetBytes(), testing::PairOnlySheetBytes(), testing::EmptySheetBytes()});
  auto model = std::make_shared<SheetModel>();
  SheetsPage first(link.context(), model);
  SheetsReceivePage second(link.context(), model);
  first.Start();
  second.Start();
  ASSERT_TRUE(peer.done()) << peer.mismatch();

  SheetsPageView view(second, nullptr);
  second.SetChangedHook([&view] { view.Refresh(); });
  auto* list = Find<QListWidget>(view, "Sheets");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text().toStdString(), "Отбор пар (Лист № 01)");
  EXPECT_EQ(Find<QLabel>(view, "Status")->text().toStdString(), "Измерения есть");
  EXPECT_NE(Find<QPushButton>(view, "Receive"), nullptr);
  list->setCurrentRow(0);
  EXPECT_EQ(second.selected(), 0);
  const std::string info = Find<QPlainTextEdit>(view, "Information")->toPlainText().toStdString();
  EXPECT_NE(info.find("  150.25 кГц"), std::string::npos) << info;
  ExpectScreenshot(view, "sheets_page");

  SheetsPageView first_view(first, nullptr);
  EXPECT_EQ(first_view.findChild<QPushButton*>("Receive"), nullptr);
}

TEST_F(ViewTest, WearPage) {
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 8, "654321");
  const PeerBytes address = PeerAddress(8, "654321");
  peer.Expect(
      PeerFrame({address, {0x40}}),
      PeerJoin({PeerFrame({address, {0xBF}}), PeerFrame({address,
                                                         {0x44, 0x9A, 0x50, 0x00, 0x42, 0x61, 0x00,
                                                          0x00, 37, 0x01, 0x2C, 0x05, 0xDC, 0}})}));
  peer.Expect(PeerFrame({address, {0xDA}}));
  WearPage page(link.context());
  ASSERT_TRUE(page.SearchTransfer(peer));
  WearPageView view(page, nullptr);
  EXPECT_EQ(Find<QLineEdit>(view, "Value0")->text().toStdString(), "1234.5");
  EXPECT_EQ(Find<QLineEdit>(view, "Value3")->text().toStdString(), "300");
  EXPECT_EQ(Find<QLineEdit>(view, "Value5")->text().toStdString(), "10");
  EXPECT_TRUE(Find<QLineEdit>(view, "Value5")->isReadOnly());
  EXPECT_NE(Find<QPushButton>(view, "ReceiveSave"), nullptr);
  ExpectScreenshot(view, "wear_page");
}

TEST_F(ViewTest, DatabasePlanPage) {
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 9, "654321");
  Kind9Parameters p;
  p.chip_type = 1;
  p.maximum_cables = 12;
  p.current_cables = 4;
  p.cable_types = 12;
  p.maximum_pairs = 10;
  p.maximum_sections = 5;
  p.first_free_byte = 900;
  link.initial().kind9 = p;
  DatabasePlanPage page(link.context());
  page.Start();
  DatabasePlanPageView view(page, nullptr);
  page.SetChangedHook([&view] { view.Refresh(); });
  auto* cables = Find<QLineEdit>(view, "Field0");
  EXPECT_EQ(cables->text().toStdString(), "10");
  EXPECT_FALSE(cables->isReadOnly());
  EXPECT_TRUE(Find<QLineEdit>(view, "Field1")->isReadOnly());
  EXPECT_EQ(Find<QLineEdit>(view, "Field8")->text().toStdString(), "AT25160 2K");
  // 30 cables of 2 sections: the plan of the 2K chip.
  auto* sections = Find<QLineEdit>(view, "Field6");
  sections->setText("2");
  Q_EMIT sections->editingFinished();
  cables->setText("30");
  Q_EMIT cables->editingFinished();
  EXPECT_EQ(Find<QLineEdit>(view, "Field3")->text().toStdString(), "14");
  EXPECT_EQ(Find<QLineEdit>(view, "Field7")->text().toStdString(), "1673");
  ExpectScreenshot(view, "database_plan_page");
}

}  // namespace
}  // namespace telvane
