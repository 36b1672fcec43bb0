// The reflectogram pages' saving and opening: file mode (one dialog per
// slot, dispatch by extension) and database mode (one database for all
// slots, the selection list "%s (%s)"), seen through the dialogs asked, the
// files written and the slots filled.
#include <gtest/gtest.h>

#include <filesystem>

#include "cable/reflectograms/reflectogram_page.h"
#include "storage/db/create_database.h"
#include "storage/db/current_schema.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;
using testing::PeerLink;
using testing::ScriptedPeer;

// A complete one-section block, so the older page asks nothing first.
void CompleteBlock(CableBlock& block) {
  block.set_section_count(1);
  block.set_section(0, {3, 100.0f, 50.0f, 0.5f, 1.5f});
}

// The file dialogs and lists the screen showed, in order.
std::vector<testing::ScriptedScreen::Shown> DialogsOf(const testing::ScriptedScreen& screen) {
  std::vector<testing::ScriptedScreen::Shown> dialogs;
  for (const auto& shown : screen.shown()) {
    if (shown.what == "open" || shown.what == "save" || shown.what == "list") {
      dialogs.push_back(shown);
    }
  }
  return dialogs;
}

class ReflectogramStorageTest : public ::testing::Test {
 protected:
  std::vector<testing::ScriptedScreen::Shown> Dialogs() { return DialogsOf(link_.screen()); }

  // The older page over one cable "К" with a complete block, chosen.
  OlderReflectogramPage& PageWithOneCable() {
    cables_->Add("К");
    CompleteBlock(cables_->cable(0).block);
    page_.SelectCable(0);
    return page_;
  }

  ScriptedPeer peer_;
  PeerLink link_{peer_, 10, "123456"};
  testing::TempDir dir_;
  std::shared_ptr<ReflectometerCableList> cables_ =
      std::make_shared<ReflectometerCableList>(RecordForm::kCompact);
  OlderReflectogramPage page_{link_.context(), cables_};
};

TEST_F(ReflectogramStorageTest, FileModeAsksOneFileNamePerMarkedSlot) {
  OlderReflectogramPage& page = PageWithOneCable();
  page.SetMarked(2, true);
  page.SetMarked(9, true);
  link_.screen().ChooseFile(dir_.File("a.rfg"));
  link_.screen().ChooseFile(dir_.File("b.tdr"));
  ASSERT_TRUE(page.Save());
  const auto dialogs = Dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].what, "save");
  ASSERT_EQ(dialogs[0].dialog.filters.size(), 3u);
  EXPECT_EQ(dialogs[0].dialog.filters[0].description, "RFG (Версия 1.1)");
  EXPECT_EQ(dialogs[0].dialog.filters[0].pattern, "*.rfg");
  EXPECT_EQ(dialogs[0].dialog.filters[1].description, "WV (WV8 файл)");
  EXPECT_EQ(dialogs[0].dialog.filters[2].description, "TDR (РЕЙС-105Р)");
  EXPECT_EQ(dialogs[0].dialog.default_extension, "rfg");
  EXPECT_EQ(testing::ReadAll(dir_.File("a.rfg")).size(), 520u);
  EXPECT_EQ(testing::ReadAll(dir_.File("b.tdr")).size(), 144u + 128u);
}

TEST_F(ReflectogramStorageTest, TxtIsRefusedAndNothingIsWrittenThenTheNextSlotGoesOn) {
  OlderReflectogramPage& page = PageWithOneCable();
  page.SetMarked(0, true);
  page.SetMarked(1, true);
  const std::string txt = dir_.File("trace.txt");
  link_.screen().ChooseFile(txt);
  link_.screen().ChooseFile(dir_.File("next.wv"));
  EXPECT_FALSE(page.Save());
  EXPECT_FALSE(std::filesystem::exists(txt));
  EXPECT_EQ(link_.screen().MessageLines(), std::vector<std::string>{"Неизвестный формат!: " + txt});
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kError);
  EXPECT_TRUE(std::filesystem::exists(dir_.File("next.wv")));
}

TEST_F(ReflectogramStorageTest, NothingMarkedIsReported) {
  OlderReflectogramPage& page = PageWithOneCable();
  EXPECT_FALSE(page.Save());
  EXPECT_EQ(link_.screen().MessageLines(),
            std::vector<std::string>{"Telvane: Нет выделенных записей"});
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kWarning);
}

TEST_F(ReflectogramStorageTest, CancelledDialogEndsTheSave) {
  OlderReflectogramPage& page = PageWithOneCable();
  page.SetMarked(0, true);
  page.SetMarked(1, true);
  link_.screen().ChooseFile(std::nullopt);
  EXPECT_FALSE(page.Save());
  EXPECT_EQ(Dialogs().size(), 1u);
}

TEST_F(ReflectogramStorageTest, WvFileOpenedIntoAnEmptySlotMakesItValid) {
  OlderReflectogramPage& page = PageWithOneCable();
  cables_->cable(0).status[0] = 0;
  // Slot 1 holds a trace (opened from nothing but its status): save it as WV.
  page.SetMarked(0, true);
  const std::string wv = dir_.File("one.wv");
  link_.screen().ChooseFile(wv);
  ASSERT_TRUE(page.Save());
  page.SetMarked(0, false);

  // Open it into the empty slot 3 (the cursor) and the marked empty slot 12.
  page.SetCursor(2);
  page.SetMarked(11, true);
  EXPECT_EQ(page.SlotLines()[2], " ПУСТО");
  link_.screen().ChooseFile(wv);
  link_.screen().ChooseFile(wv);
  ASSERT_TRUE(page.Open());
  EXPECT_EQ(page.SlotLines()[2], "РФГ №03");
  EXPECT_EQ(page.SlotLines()[11], "РФГ №12");
  EXPECT_EQ(cables_->cable(0).status[2], 0);
  EXPECT_EQ(Dialogs().back().what, "open");
  EXPECT_EQ(Dialogs().size(), 3u);
}

TEST_F(ReflectogramStorageTest, OpeningAFileOfTheOtherPageLeavesTheSlotEmpty) {
  OlderReflectogramPage& page = PageWithOneCable();
  const std::string bad = dir_.File("bad.rfg");
  testing::WriteAll(bad, std::vector<uint8_t>(100, 0));
  link_.screen().ChooseFile(bad);
  EXPECT_FALSE(page.Open());
  EXPECT_EQ(page.SlotLines()[0], " ПУСТО");
  EXPECT_EQ(link_.screen().MessageLines(),
            std::vector<std::string>{"Неверный формат файла: " + bad});
}

// The newer page at firmware 8.025 with two 233-byte traces received.
class DatabaseRoundTripTest : public ::testing::Test {
 protected:
  std::vector<testing::ScriptedScreen::Shown> Dialogs() { return DialogsOf(link_.screen()); }

  static PeerBytes Trace(const std::string& cp1251_name, uint8_t seed) {
    PeerBytes b(233, 0);
    std::copy(cp1251_name.begin(), cp1251_name.end(), b.begin());
    b[41] = 26;                          // year
    b[42] = 3;                           // month
    b[43] = static_cast<uint8_t>(seed);  // day
    for (size_t i = 44; i < 69; ++i) b[i] = static_cast<uint8_t>(seed + i);
    for (int i = 0; i < 160; ++i)
      b[69 + static_cast<size_t>(i)] = static_cast<uint8_t>((i * seed) % 64);
    return b;
  }
  void ExpectReceive(uint8_t slot, const PeerBytes& trace) {
    peer_.Expect(PeerFrame({address_, {0x67}}), PeerFrame({address_, {0x98}}));
    peer_.Expect(PeerFrame({address_, {0, slot, 0}}),
                 PeerJoin({PeerFrame({address_, {0xFF}}), PeerFrame({address_, trace})}));
    peer_.Expect(PeerFrame({address_, {0xFF}}));
  }

  ScriptedPeer peer_;
  PeerLink link_{peer_, 11, "123456"};
  PeerBytes address_ = PeerAddress(11, "123456");
  testing::TempDir dir_;
};

TEST_F(DatabaseRoundTripTest, TwoTracesStoredOnceListedAndOpenedIntoOtherSlots) {
  link_.context().facts.version = 8.025f;
  const std::string db = dir_.File("traces.mdb");
  ASSERT_TRUE(CreateCurrentDatabase(link_.screen(), db));
  DbCable cable;
  cable.name = "Линия";
  ASSERT_TRUE(WriteCables(link_.screen(), db, {cable}));

  auto cables = std::make_shared<ReflectometerCableList>(RecordForm::kExtended);
  cables->Add("Линия");
  cables->cable(0).status[0] = 0;
  cables->cable(0).status[1] = 0;
  NewerReflectogramPage page(link_.context(), cables);
  page.SelectCable(0);
  // "Муфта на двадцатом метре" (24 characters) and "Конец".
  const std::string long_name =
      "\xCC\xF3\xF4\xF2\xE0 \xED\xE0 \xE4\xE2\xE0\xE4\xF6\xE0\xF2\xEE\xEC "
      "\xEC\xE5\xF2\xF0\xE5";
  const PeerBytes first = Trace(long_name, 5);
  const PeerBytes second = Trace("\xCA\xEE\xED\xE5\xF6", 7);
  ExpectReceive(0, first);
  ExpectReceive(1, second);
  page.SetMarked(0, true);
  page.SetMarked(1, true);
  ASSERT_TRUE(page.Receive()) << peer_.mismatch();

  page.SetDatabaseMode(true);
  EXPECT_EQ(page.Buttons().save_caption, "Обновить БД...");
  EXPECT_EQ(page.Buttons().open_caption, "Открыть  БД...");
  link_.screen().ChooseFile(db);
  ASSERT_TRUE(page.Save());
  auto dialogs = Dialogs();
  ASSERT_EQ(dialogs.size(), 1u);  // one database for both slots
  EXPECT_EQ(dialogs[0].what, "open");
  ASSERT_EQ(dialogs[0].dialog.filters.size(), 1u);
  EXPECT_EQ(dialogs[0].dialog.filters[0].description, "MDB (БД MS Access 2000)");
  EXPECT_EQ(dialogs[0].dialog.filters[0].pattern, "*.mdb");

  // Open them back into slots 6 and 7, the first trace into slot 6.
  link_.screen().ClearShown();
  page.SetMarked(0, false);
  page.SetMarked(1, false);
  page.SetMarked(5, true);
  page.SetCursor(6);
  link_.screen().ChooseFile(db);
  link_.screen().ChooseListEntry(1);
  link_.screen().ChooseListEntry(0);
  ASSERT_TRUE(page.Open());
  dialogs = Dialogs();
  ASSERT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(dialogs[0].what, "open");
  EXPECT_EQ(dialogs[1].what, "list");
  EXPECT_EQ(dialogs[1].caption, "РФГ №06");
  EXPECT_EQ(dialogs[1].text, "Линия (Конец)\nЛиния (Муфта на двадцатом метре)");
  EXPECT_EQ(page.SlotLines()[5], "РФГ №06");
  EXPECT_EQ(page.SlotLines()[6], "РФГ №07");

  // The list is in cable order, then as stored: entry 1 is the first trace.
  const ReflectogramRecord& from_first = page.record(5);
  const ReflectogramRecord& from_second = page.record(6);
  EXPECT_EQ(from_first.name(), "Муфта на двадцат");  // 16 characters
  EXPECT_EQ(from_second.name(), "Конец");
  for (const auto& [opened, trace] :
       {std::pair{&from_first, &first}, std::pair{&from_second, &second}}) {
    const auto bytes = opened->bytes();
    // Date, settings and the 160 samples exactly.
    EXPECT_TRUE(std::equal(bytes.begin() + 41, bytes.begin() + 229, trace->begin() + 41));
  }
}

TEST_F(DatabaseRoundTripTest, CancelledSelectionOpensNothing) {
  const std::string db = dir_.File("traces.mdb");
  ASSERT_TRUE(CreateCurrentDatabase(link_.screen(), db));
  auto cables = std::make_shared<ReflectometerCableList>(RecordForm::kExtended);
  cables->Add("Линия");
  NewerReflectogramPage page(link_.context(), cables);
  page.SetDatabaseMode(true);
  link_.screen().ChooseFile(db);
  EXPECT_FALSE(page.Open());
  // An empty database: nothing to choose.
  EXPECT_TRUE(link_.screen().HasMessage("Нет выбранных записей!"));
  EXPECT_EQ(page.SlotLines()[0], " ПУСТО");
}

}  // namespace
}  // namespace telvane
