// The reflectogram pages' Qt view, offscreen: the slot list, the storage
// switch's captions and tooltips, the panel and the plot, with a PNG of each
// page holding received traces written under the build tree.
#include "cable/reflectograms/reflectogram_page_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <filesystem>

#include "cable/pages/page_screenshot.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;
using testing::PeerLink;
using testing::ScriptedPeer;

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// A line seen by the instrument: the launch pulse, a joint at sample `joint`,
// the open far end at `end`, a little ripple; stored as 63 - amplitude.
PeerBytes LineTrace(size_t length, size_t samples_at, int samples, int joint, int end,
                    const PeerBytes& name) {
  PeerBytes b(length, 0);
  std::copy(name.begin(), name.end(), b.begin());
  const size_t date = samples_at == 45 ? 17 : 41;
  b[date] = 26;
  b[date + 1] = 12;
  b[date + 2] = 9;
  b[date + 3] = 3;                           // TDRimp index 3
  b[date + 7] = 4;                           // TDRdiap index 4
  b[date + 9] = 0;                           // TDRrast index 0
  b[date + 11] = 16;                         // TDRmiddl 16
  b[date + 13] = 3;                          // TDRdB index 3
  b[date + 15] = 5;                          // cursor 1
  b[date + 17] = static_cast<uint8_t>(end);  // cursor 2
  for (int i = 0; i < samples; ++i) {
    double a = 8 + 1.5 * std::sin(i * 0.7);
    a += 50 * std::exp(-i / 3.0);
    a += 18 * std::exp(-std::pow(i - joint, 2) / 6.0);
    a += 30 * std::exp(-std::pow(i - end, 2) / 8.0);
    b[samples_at + static_cast<size_t>(i)] =
        static_cast<uint8_t>(63 - std::clamp(static_cast<int>(a), 0, 63));
  }
  return b;
}

class ReflectogramViewTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::PagesQtApp(); }
  void ExpectReceive(ScriptedPeer& peer, const PeerBytes& address, uint8_t code, uint8_t slot,
                     const PeerBytes& trace) {
    peer.Expect(PeerFrame({address, {code}}), PeerFrame({address, {uint8_t(~code)}}));
    peer.Expect(PeerFrame({address, {0, slot, 0}}),
                PeerJoin({PeerFrame({address, {0xFF}}), PeerFrame({address, trace})}));
    peer.Expect(PeerFrame({address, {0xFF}}));
  }
};

TEST_F(ReflectogramViewTest, OlderPageWithTwoTracesOverlaid) {
  ScriptedPeer peer;
  PeerLink link(peer, 10, "123456");
  const PeerBytes address = PeerAddress(10, "123456");
  auto cables = std::make_shared<ReflectometerCableList>(RecordForm::kCompact);
  cables->Add("Магистраль 1");
  cables->Add("Ввод 2");
  cables->cable(0).status = {0, 0, 255, 3};
  for (size_t i = 4; i < 20; ++i) cables->cable(0).status[i] = 255;
  cables->cable(0).block.set_section_count(1);
  cables->cable(0).block.set_section(0, {1, 1000, 128, 0.5f, 1.5f});
  OlderReflectogramPage page(link.context(), cables);
  page.SelectCable(0);
  ExpectReceive(peer, address, 0x57, 0, LineTrace(173, 45, 128, 40, 100, {'A'}));
  ExpectReceive(peer, address, 0x57, 1, LineTrace(173, 45, 128, 60, 90, {'B'}));
  page.SetMarked(0, true);
  page.SetMarked(1, true);
  ASSERT_TRUE(page.Receive()) << peer.mismatch();

  ReflectogramPageView view(page, nullptr);
  auto* slots = Find<QListWidget>(view, "Slots");
  ASSERT_EQ(slots->count(), 20);
  EXPECT_EQ(slots->item(0)->text(), "РФГ №01");
  EXPECT_EQ(slots->item(2)->text(), " ПУСТО");
  EXPECT_EQ(slots->item(3)->text(), "Неверные данные");
  EXPECT_EQ(slots->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(Find<QComboBox>(view, "Cables")->itemText(1), "Ввод 2");
  EXPECT_EQ(Find<QPushButton>(view, "Receive")->toolTip(),
            "Загрузка с прибора отмеченных рефлектограмм");
  EXPECT_EQ(Find<QLabel>(view, "Panel0")->text(), "A");
  EXPECT_EQ(Find<QLabel>(view, "Panel1")->text(), "09.12.26");
  EXPECT_FALSE(Find<QLabel>(view, "Panel7")->isVisibleTo(&view));
  auto* plot = Find<TracePlotPanel>(view, "Plot");
  ASSERT_EQ(plot->model().traces().size(), 2u);
  EXPECT_EQ(plot->model().traces()[0].label, "РФГ №01");

  // Unticking slot 2 in the list takes it off the plot.
  slots->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(page.marked(1));
  EXPECT_EQ(plot->model().traces().size(), 1u);
  slots->item(1)->setCheckState(Qt::Checked);

  // The storage switch changes the captions and tooltips.
  auto* save = Find<QPushButton>(view, "Save");
  auto* open = Find<QPushButton>(view, "Open");
  EXPECT_EQ(save->text(), "Сохранить...");
  EXPECT_EQ(open->text(), "Открыть...");
  EXPECT_EQ(save->toolTip(), "Сохранение рефлектограммы в отдельный файл");
  Find<QCheckBox>(view, "Storage")->setChecked(true);
  EXPECT_TRUE(page.database_mode());
  EXPECT_EQ(save->text(), "Обновить БД...");
  EXPECT_EQ(open->text(), "Открыть  БД...");
  EXPECT_EQ(save->toolTip(), "Сохранение рефлектограммы В БД");
  EXPECT_EQ(open->toolTip(), "Открытие рефлектограммы из БД");
  EXPECT_EQ(Find<QCheckBox>(view, "Storage")->toolTip(),
            "Управление способом сохранения и открытия рефлектограмм");

  // The cursor on the empty slot: the empty panel.
  slots->setCurrentRow(2);
  EXPECT_EQ(Find<QLabel>(view, "Panel0")->text(), "ПУСТО");
  EXPECT_EQ(Find<QLabel>(view, "Panel1")->text(), "00.00.00");
  slots->setCurrentRow(0);
  const std::string png = testing::SavePageScreenshot(view, "reflectograms_older", 980, 640);
  EXPECT_GT(std::filesystem::file_size(png), 1000u);
}

TEST_F(ReflectogramViewTest, NewerPageShowsTheCoordinationFrom8007) {
  ScriptedPeer peer;
  PeerLink link(peer, 11, "123456");
  link.context().facts.version = 8.025f;
  const PeerBytes address = PeerAddress(11, "123456");
  auto cables = std::make_shared<ReflectometerCableList>(RecordForm::kExtended);
  cables->Add("Линия 5");
  cables->cable(0).status[0] = 0;
  cables->cable(0).block.set_section_count(1);
  cables->cable(0).block.set_section(0, {1, 1000, 160, 0.5f, 1.5f});
  NewerReflectogramPage page(link.context(), cables);
  page.SelectCable(0);
  PeerBytes trace = LineTrace(233, 69, 160, 70, 140, {'L', '5'});
  trace[229] = 0x00;  // coordination 120.0
  trace[230] = 0x00;
  trace[231] = 0xF0;
  trace[232] = 0x42;
  ExpectReceive(peer, address, 0x67, 0, trace);
  ASSERT_TRUE(page.Receive()) << peer.mismatch();

  ReflectogramPageView view(page, nullptr);
  EXPECT_TRUE(Find<QLabel>(view, "Panel7")->isVisibleTo(&view));
  EXPECT_EQ(Find<QLabel>(view, "Panel7")->text(), "120");
  auto* plot = Find<TracePlotPanel>(view, "Plot");
  ASSERT_EQ(plot->model().traces().size(), 1u);
  EXPECT_EQ(plot->model().traces()[0].amplitude.size(), 160u);
  // Range index 4 is 500 m at k = 1; with k = 1.5 and stretch 1, sample 140
  // of 160 (the far end) lies at 140 * 500 / (160 * 1.5) metres.
  EXPECT_NEAR(plot->model().Distance(0, 140), 140 * 500.0 / (160 * 1.5), 1e-6);
  const std::string png = testing::SavePageScreenshot(view, "reflectograms_newer", 980, 640);
  EXPECT_GT(std::filesystem::file_size(png), 1000u);
}

}  // namespace
}  // namespace telvane
