// The file browser against a scripted kind 18 instrument: change folder only
// when needed, the listing order, the buttons, "..", receiving and deleting.
#include "testers/files/file_browser_page.h"

#include <gtest/gtest.h>

#include "support/peer_link.h"
#include "support/temp_dir.h"
#include "testers/files/file_peer.h"

namespace telvane {
namespace {

using testing::FilePeer;
using testing::PeerBytes;
using testing::PeerLink;
using testing::ScriptedPeer;
using testing::TempDir;

constexpr uint32_t kFolder = 0xFFFFFFFF;

class FileBrowserPageTest : public ::testing::Test {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : page_.entries()) names.push_back(e.name);
    return names;
  }
  void StartIn(const std::vector<std::pair<std::string, uint32_t>>& root) {
    files_.Send(0x10, FilePeer::Folder("/mnt/ext2/"));
    files_.List(root);
    page_.Start();
    ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  }

  ScriptedPeer peer_;
  FilePeer files_{peer_, 18};
  PeerLink link_{peer_, 18, "123456"};
  std::shared_ptr<RemoteFolder> folder_ = std::make_shared<RemoteFolder>();
  FileBrowserPage page_{link_.context(), PageId::kFiles18, folder_};
  TempDir dir_;
};

TEST_F(FileBrowserPageTest, StartListsRootInPageOrderAndCablebaseStays) {
  StartIn({{"cablebase.db", 4096},
           {"masks", kFolder},
           {"..", kFolder},
           {"logs", kFolder},
           {"README", 12}});
  EXPECT_EQ(Names(), (std::vector<std::string>{"..", "logs", "masks", "cablebase.db", "README"}));
  EXPECT_EQ(page_.selected(), 0u);
  // A folder: delete and change, no receive.
  EXPECT_FALSE(page_.receive_enabled());
  EXPECT_TRUE(page_.delete_enabled());
  EXPECT_TRUE(page_.change_enabled());
  page_.Select(3);  // cablebase.db in /mnt/ext2/
  EXPECT_TRUE(page_.receive_enabled());
  EXPECT_FALSE(page_.delete_enabled());
  EXPECT_FALSE(page_.change_enabled());
  EXPECT_FALSE(page_.DeleteSelected());
  page_.Select(4);
  EXPECT_TRUE(page_.delete_enabled());
  page_.Select(std::nullopt);
  EXPECT_FALSE(page_.receive_enabled());
  EXPECT_FALSE(page_.delete_enabled());
}

TEST_F(FileBrowserPageTest, OpenFolderThenParentAndCablebaseDeletableElsewhere) {
  StartIn({{"..", kFolder}, {"masks", kFolder}});
  files_.Send(0x10, FilePeer::Folder("/mnt/ext2/masks/"));
  files_.List({{"..", kFolder}, {"cablebase.db", 10}});
  ASSERT_TRUE(page_.Open(1));
  EXPECT_EQ(page_.current_folder(), "/mnt/ext2/masks/");
  page_.Select(1);
  EXPECT_TRUE(page_.delete_enabled());
  files_.Send(0x10, FilePeer::Folder("/mnt/ext2/"));
  files_.List({{"..", kFolder}, {"masks", kFolder}});
  ASSERT_TRUE(page_.Open(0));
  EXPECT_EQ(page_.current_folder(), "/mnt/ext2/");
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(FileBrowserPageTest, FolderAlreadySentIsNotSentAgain) {
  StartIn({});
  EXPECT_TRUE(page_.entries().empty());
  EXPECT_FALSE(page_.selected());
  const size_t written = peer_.written().size();
  EXPECT_TRUE(page_.ChangeFolder("/mnt/ext2/", false));
  EXPECT_EQ(peer_.written().size(), written);
  files_.Send(0x10, FilePeer::Folder("/mnt/ext2/"));
  EXPECT_TRUE(page_.ChangeFolder("/mnt/ext2/", true));
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(FileBrowserPageTest, ReceiveFileWithoutDotOffersEmptyFilter) {
  StartIn({{"README", 3}, {"log.txt", 2}});
  files_.Select("/mnt/ext2/README", 3);
  files_.Receive(0x0E, {'a', 'b', 'c'});
  link_.screen().ChooseFile(dir_.File("readme"));
  ASSERT_TRUE(page_.ReceiveSelected()) << peer_.mismatch();
  const auto& dialog = link_.screen().shown().back().dialog;
  EXPECT_EQ(dialog.default_name, "README");
  EXPECT_TRUE(dialog.filters.empty());
  EXPECT_EQ(testing::ReadAll(dir_.File("readme")), (PeerBytes{'a', 'b', 'c'}));

  page_.Select(1);
  files_.Select("/mnt/ext2/log.txt", 2);
  files_.Receive(0x0E, {'o', 'k'});
  link_.screen().ChooseFile(std::nullopt);
  EXPECT_FALSE(page_.ReceiveSelected());
  const auto& second = link_.screen().shown().back().dialog;
  ASSERT_EQ(second.filters.size(), 1u);
  EXPECT_EQ(second.filters[0].pattern, "*.txt");
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(FileBrowserPageTest, DeleteAsksByKindAndListsAgainOnYes) {
  StartIn({{"old", kFolder}, {"a.log", 5}});
  files_.Select("/mnt/ext2/old", kFolder);
  link_.screen().Answer(Answer::kNo, "папку и всё её содержимое");
  EXPECT_FALSE(page_.DeleteSelected());
  page_.Select(1);
  files_.Select("/mnt/ext2/a.log", 5);
  link_.screen().Answer(Answer::kYes, "Удалить безвозвратно файл на приборе?");
  peer_.Expect(files_.Command(0x0F), files_.Confirm(0x0F));
  files_.List({{"old", kFolder}});
  ASSERT_TRUE(page_.DeleteSelected()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(Names(), (std::vector<std::string>{"old"}));
  EXPECT_EQ(link_.screen().shown()[0].caption, "Telvane");
}

TEST_F(FileBrowserPageTest, ListingBeyond65536EntriesFailsKeepingEntries) {
  files_.Send(0x10, FilePeer::Folder("/mnt/ext2/"));
  std::vector<std::pair<std::string, uint32_t>> many(65537, {"f", 1});
  files_.List(many);
  page_.Start();
  EXPECT_EQ(page_.entries().size(), 65536u);
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка при приеме записи"));
}

}  // namespace
}  // namespace telvane
