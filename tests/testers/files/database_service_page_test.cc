// The database service page against a scripted kind 18 instrument: the
// record's fields, the buttons by version, the database both ways, the
// system information and the software update, every dialog and message.
#include "testers/files/database_service_page.h"

#include <gtest/gtest.h>

#include "support/peer_link.h"
#include "support/temp_dir.h"
#include "testers/files/file_peer.h"

namespace telvane {
namespace {

using testing::FilePeer;
using testing::PeerBytes;
using testing::PeerJoin;
using testing::PeerLink;
using testing::ScriptedPeer;
using testing::TempDir;

// version (float32 bits), 7 types, 300 cables, 16 reflectograms, size, 0xA5.
PeerBytes DbInfo(uint32_t version_bits, uint32_t size) {
  return PeerJoin({FilePeer::Le32(version_bits),
                   FilePeer::Le32(7),
                   FilePeer::Le32(300),
                   FilePeer::Le32(16),
                   FilePeer::Le32(size),
                   {0xA5}});
}
constexpr uint32_t k1001 = 0x3F8020C5;
constexpr uint32_t k1002 = 0x3F804189;
constexpr uint32_t k1003 = 0x3F80624E;

class DatabaseServicePageTest : public ::testing::Test {
 protected:
  void Refresh(uint32_t version, uint32_t size) {
    files_.Receive(0x00, DbInfo(version, size));
    ASSERT_TRUE(page_.Refresh()) << peer_.mismatch();
  }

  ScriptedPeer peer_;
  FilePeer files_{peer_, 18};
  PeerLink link_{peer_, 18, "123456"};
  DatabaseServicePage page_{link_.context(), PageId::kDbInfo18};
  TempDir dir_;
};

TEST_F(DatabaseServicePageTest, FieldsAndButtonsByVersion) {
  Refresh(k1003, 1048576);
  EXPECT_EQ(page_.version_text(), "1.003");
  EXPECT_EQ(page_.cable_types_text(), "7");
  EXPECT_EQ(page_.cables_text(), "300");
  EXPECT_EQ(page_.reflectograms_text(), "16");
  EXPECT_EQ(page_.size_text(), "1048576 байт");
  EXPECT_TRUE(page_.update_enabled());
  EXPECT_TRUE(page_.sysinfo_enabled());
  EXPECT_FLOAT_EQ(*link_.context().facts.version, 1.003f);
  Refresh(k1002, 1);
  EXPECT_TRUE(page_.update_enabled());
  EXPECT_FALSE(page_.sysinfo_enabled());
  Refresh(k1001, 1);
  EXPECT_FALSE(page_.update_enabled());
  EXPECT_FALSE(page_.sysinfo_enabled());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  // Each transaction set up the port: 5000 ms.
  EXPECT_EQ(peer_.timeouts(), (std::vector<int>{5000, 5000, 5000}));
}

TEST_F(DatabaseServicePageTest, UnconfirmedCommandSaysSo) {
  peer_.Expect(files_.Command(0x00), files_.Confirm(0x01));
  EXPECT_FALSE(page_.Refresh());
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка команды"));
  EXPECT_FALSE(page_.record());
}

// A port that refuses its time-outs: "Ошибка установки таймаутов", then the
// command reported failed, and not a byte written.
TEST(DatabaseServicePagePortTest, TimeoutsThatCannotBeSetStopBeforeTheCommand) {
  class RefusingPeer : public ScriptedPeer {
   public:
    bool SetReadTimeout(int) override { return false; }
  };
  RefusingPeer peer;
  PeerLink link(peer, 18, "123456");
  DatabaseServicePage page(link.context(), PageId::kDbInfo18);
  EXPECT_FALSE(page.Refresh());
  EXPECT_TRUE(peer.written().empty());
  EXPECT_EQ(
      link.screen().MessageLines(),
      (std::vector<std::string>{"Ошибка: Ошибка установки таймаутов", "Ошибка: Ошибка команды"}));
  EXPECT_FALSE(page.record());
}

TEST_F(DatabaseServicePageTest, ReceiveDatabaseOfTheAnnouncedSizeAndSaveIt) {
  Refresh(k1003, 5);
  files_.Receive(0x06, {'S', 'Q', 'L', 0, 9});
  link_.screen().ChooseFile(dir_.File("base.db"));
  ASSERT_TRUE(page_.ReceiveDatabase());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  const auto& dialog = link_.screen().shown().back().dialog;
  EXPECT_EQ(link_.screen().shown().back().what, "save");
  EXPECT_EQ(dialog.default_name, "cablebase");
  EXPECT_EQ(dialog.default_extension, "db");
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].description, "SQLite 2.1 database *.db");
  EXPECT_EQ(dialog.filters[0].pattern, "*.db");
  EXPECT_EQ(testing::ReadAll(dir_.File("base.db")), (PeerBytes{'S', 'Q', 'L', 0, 9}));
}

TEST_F(DatabaseServicePageTest, SizeBeyond256MiBRefusedBeforeAnythingIsSent) {
  Refresh(k1003, 256u * 1024 * 1024 + 1);
  const size_t written = peer_.written().size();
  EXPECT_FALSE(page_.ReceiveDatabase());
  EXPECT_EQ(peer_.written().size(), written);
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Выделение памяти под буфер записи провалено!"}));
}

TEST_F(DatabaseServicePageTest, SendDatabaseWritesItsSizeThenTheFileThenRefreshes) {
  Refresh(k1003, 100);
  testing::WriteAll(dir_.File("new.db"), {1, 2, 3});
  link_.screen().ChooseFile(dir_.File("new.db"));
  files_.Send(0x07, DbInfo(k1003, 3));
  // 0x08: the file as one long record.
  peer_.Expect(files_.Command(0x08), files_.Confirm(0x08));
  peer_.Expect(files_.Record({1, 2, 3}), files_.InstrumentAck());
  files_.Receive(0x00, DbInfo(k1003, 3));
  ASSERT_TRUE(page_.SendDatabase()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().shown()[0].what, "open");
  EXPECT_EQ(link_.screen().shown()[0].dialog.default_name, "cablebase");
  EXPECT_EQ(page_.size_text(), "3 байт");
  // The long record ran at 30 000 ms and put the 5000 back.
  EXPECT_EQ(peer_.timeouts(), (std::vector<int>{5000, 5000, 5000, 30000, 5000, 5000}));
}

TEST_F(DatabaseServicePageTest, FailedLongRecordSaysErrorInCaptionError) {
  Refresh(k1003, 100);
  testing::WriteAll(dir_.File("new.db"), {1, 2, 3});
  link_.screen().ChooseFile(dir_.File("new.db"));
  files_.Send(0x07, DbInfo(k1003, 3));
  peer_.Expect(files_.Command(0x08), files_.Confirm(0x08));
  peer_.Expect(files_.Record({1, 2, 3}), files_.ProgramAck());
  EXPECT_FALSE(page_.SendDatabase());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Ошибка байта подтверждения",
                                      "ERROR: Ошибка передачи данных"}));
}

TEST_F(DatabaseServicePageTest, SysinfoOfSizeZeroSendsNoSecondCommand) {
  files_.Receive(0x0B, FilePeer::Le32(0));
  EXPECT_FALSE(page_.ReceiveSysinfo());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_EQ(link_.screen().messages().size(), 1u);
  EXPECT_EQ(link_.screen().messages()[0].text, "Системная информация не доступна");
  EXPECT_EQ(link_.screen().messages()[0].caption, "Telvane");
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kInformation);
}

TEST_F(DatabaseServicePageTest, SysinfoReceivedAndSaved) {
  files_.Receive(0x0B, FilePeer::Le32(4));
  files_.Receive(0x0C, {'i', 'n', 'f', 'o'});
  link_.screen().ChooseFile(dir_.File("sysinfo"));
  ASSERT_TRUE(page_.ReceiveSysinfo());
  EXPECT_EQ(page_.sysinfo_size(), 4u);
  const auto& dialog = link_.screen().shown().back().dialog;
  EXPECT_EQ(dialog.default_name, "sysinfo");
  EXPECT_EQ(dialog.default_extension, "");
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].description, "system information");
  EXPECT_EQ(dialog.filters[0].pattern, "");
  EXPECT_EQ(testing::ReadAll(dir_.File("sysinfo")), (PeerBytes{'i', 'n', 'f', 'o'}));
}

TEST_F(DatabaseServicePageTest, UpdateSendsLengthThenTransformedDataAtLongTimeout) {
  // 0x10 + 0x20 + 0xF0 = 0x120 -> 0x20.
  testing::WriteAll(dir_.File("fw.update"), {0x10, 0x20, 0xF0, 0x20});
  link_.screen().ChooseFile(dir_.File("fw.update"));
  files_.Send(0x09, FilePeer::Le32(3));
  peer_.Expect(files_.Command(0x0A), files_.Confirm(0x0A));
  peer_.Expect(files_.Record({0x11, 0x22, 0xF3}), files_.InstrumentAck());
  ASSERT_TRUE(page_.UpdateSoftware()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done());
  EXPECT_EQ(page_.update_length(), 3u);
  const auto& dialog = link_.screen().shown()[0].dialog;
  EXPECT_EQ(dialog.default_name, "vetra");
  EXPECT_EQ(dialog.default_extension, "update");
  EXPECT_EQ(dialog.filters[0].description, "Vetra Update File *.update");
  EXPECT_EQ(dialog.filters[0].pattern, "*.update");
  EXPECT_EQ(peer_.timeouts(), (std::vector<int>{5000, 1800000, 30000, 1800000}));
}

TEST_F(DatabaseServicePageTest, OneByteUpdateOfZeroSendsAnEmptyRecord) {
  testing::WriteAll(dir_.File("one.update"), {0});
  link_.screen().ChooseFile(dir_.File("one.update"));
  files_.Send(0x09, FilePeer::Le32(0));
  peer_.Expect(files_.Command(0x0A), files_.Confirm(0x0A));
  peer_.Expect(files_.Record({}), files_.InstrumentAck());
  ASSERT_TRUE(page_.UpdateSoftware()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done());
}

TEST_F(DatabaseServicePageTest, BadAndEmptyUpdateFilesRefusedBeforeAnythingIsSent) {
  for (const PeerBytes& file : {PeerBytes{1, 2, 3, 7}, PeerBytes{1}, PeerBytes{}}) {
    testing::WriteAll(dir_.File("bad.update"), file);
    link_.screen().ChooseFile(dir_.File("bad.update"));
    link_.screen().ClearShown();
    EXPECT_FALSE(page_.UpdateSoftware());
    EXPECT_EQ(link_.screen().MessageLines(),
              (std::vector<std::string>{"Ошибка: Неверный файл обновления!"}));
    EXPECT_EQ(page_.update_length(), 0u);
  }
  EXPECT_TRUE(peer_.written().empty());
}

}  // namespace
}  // namespace telvane
