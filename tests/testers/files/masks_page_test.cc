// The masks page against a scripted kind 18 instrument: the folder built from
// the choices, only masks listed, and the checks of a sent mask in their
// order, each stop listing the folder again.
#include "testers/files/masks_page.h"

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

constexpr char kFolder[] = "/mnt/ext2/masks/SHDSL/spectrum/";

class MasksPageTest : public ::testing::Test {
 protected:
  void StartWith(const std::vector<std::pair<std::string, uint32_t>>& entries) {
    files_.Send(0x10, FilePeer::Folder(kFolder));
    files_.List(entries);
    page_.Start();
    ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  }
  std::string Mask(const std::string& name, const std::string& text) {
    const std::string path = dir_.File(name);
    testing::WriteAll(path, PeerBytes(text.begin(), text.end()));
    link_.screen().ChooseFile(path);
    return path;
  }

  ScriptedPeer peer_;
  FilePeer files_{peer_, 18};
  PeerLink link_{peer_, 18, "123456"};
  std::shared_ptr<RemoteFolder> folder_ = std::make_shared<RemoteFolder>();
  MasksPage page_{link_.context(), PageId::kMasks18, folder_};
  TempDir dir_;
};

TEST_F(MasksPageTest, OnlyMaskNamesListedAndFolderFollowsChoices) {
  StartWith({{"..", 0xFFFFFFFF},
             {"a.msk", 10},
             {"notes.txt", 3},
             {"b.msk.bak", 4},
             {"old.msk", 0xFFFFFFFF}});
  ASSERT_EQ(page_.masks().size(), 3u);
  EXPECT_EQ(page_.masks()[0].name, "a.msk");
  EXPECT_EQ(page_.masks()[1].name, "b.msk.bak");
  EXPECT_EQ(page_.selected(), 0u);
  files_.Send(0x10, FilePeer::Folder("/mnt/ext2/masks/SHDSL/RLoss/"));
  files_.List({});
  ASSERT_TRUE(page_.SetMode(4));
  files_.Send(0x10, FilePeer::Folder("/mnt/ext2/masks/E1/RLoss/"));
  files_.List({{"e1.msk", 5}});
  ASSERT_TRUE(page_.SetFormat(2));
  EXPECT_EQ(page_.folder(), "/mnt/ext2/masks/E1/RLoss/");
  EXPECT_EQ(page_.masks().size(), 1u);
  // Listing again sends no change of folder: the folder is current.
  files_.List({});
  ASSERT_TRUE(page_.List());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(MasksPageTest, ReceiveOffersStarExtensionFilter) {
  StartWith({{"a.msk", 2}});
  files_.Select(std::string(kFolder) + "a.msk", 2);
  files_.Receive(0x0E, {'1', '\n'});
  link_.screen().ChooseFile(dir_.File("got.msk"));
  ASSERT_TRUE(page_.ReceiveSelected()) << peer_.mismatch();
  const auto& dialog = link_.screen().shown().back().dialog;
  EXPECT_EQ(dialog.default_name, "a.msk");
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].pattern, "*.msk");
  EXPECT_EQ(testing::ReadAll(dir_.File("got.msk")), (PeerBytes{'1', '\n'}));
}

TEST_F(MasksPageTest, TxtRefusedBeforeAnythingIsSent) {
  StartWith({});
  const size_t written = peer_.written().size();
  Mask("mask.txt", "1\n");
  EXPECT_FALSE(page_.Send());
  EXPECT_EQ(peer_.written().size(), written);
  const auto& open = link_.screen().shown()[0];
  EXPECT_EQ(open.dialog.default_extension, "msk");
  EXPECT_EQ(open.dialog.filters[0].description, "Mask Files *.msk");
  EXPECT_EQ(open.dialog.filters[0].pattern, "*.msk");
  ASSERT_EQ(link_.screen().messages().size(), 1u);
  EXPECT_EQ(link_.screen().messages()[0].caption, "Telvane");
  EXPECT_EQ(link_.screen().messages()[0].text,
            "Данная маска не имеет правильного расширения \"msk\"\r\n \r\nи, как следствие, не "
            "может адекватно восприниматься прибором!!!");
}

TEST_F(MasksPageTest, MaskOf65536BytesSentAnd65537Refused) {
  StartWith({});
  std::string text;
  while (text.size() < 65536) text += "1,2\n";
  text.resize(65536 - 1);
  text += "\n";
  Mask("big.msk", text);
  files_.Select(std::string(kFolder) + "big.msk", 65536);
  files_.Send(0x11, PeerBytes(text.begin(), text.end()));
  files_.List({{"big.msk", 65536}});
  ASSERT_TRUE(page_.Send()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.masks().size(), 1u);

  // The same name again asks first; then 65 537 bytes are too many, and the
  // folder is listed again.
  Mask("big.msk", text + "1");
  link_.screen().Answer(Answer::kYes, "Переписать существующую маску на приборе?");
  files_.List({{"big.msk", 65536}});
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().HasMessage("Слишком большая маска!"));
}

TEST_F(MasksPageTest, OverwriteDeclinedStopsAtOnce) {
  StartWith({{"a.msk", 2}});
  const size_t written = peer_.written().size();
  Mask("a.msk", "1\n");
  link_.screen().Answer(Answer::kNo, "Переписать существующую маску на приборе?");
  EXPECT_FALSE(page_.Send());
  EXPECT_EQ(peer_.written().size(), written);
}

TEST_F(MasksPageTest, SpoiltMaskStopsAfterSelectingAndListsAgain) {
  StartWith({});
  Mask("bad.msk", "1,2\nabc\n");
  files_.Select(std::string(kFolder) + "bad.msk", 8);
  files_.List({});
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Файл маски испорчен!"}));
}

TEST_F(MasksPageTest, FailedSelectSaysSoAndListsAgain) {
  StartWith({});
  Mask("m.msk", "1\n");
  peer_.Expect(files_.Command(0x12), files_.Confirm(0x13));
  files_.List({});
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(
      link_.screen().MessageLines(),
      (std::vector<std::string>{"Ошибка: Ошибка подтверждения команды", "Ошибка: Ошибка команды",
                                "Ошибка: Ошибка передачи информации о маске!"}));
}

TEST_F(MasksPageTest, DeleteAsksThenSelectsDeletesAndLists) {
  StartWith({{"a.msk", 2}});
  link_.screen().Answer(Answer::kYes, "Удалить безвозвратно маску на приборе?");
  files_.Select(std::string(kFolder) + "a.msk", 2);
  peer_.Expect(files_.Command(0x0F), files_.Confirm(0x0F));
  files_.List({});
  ASSERT_TRUE(page_.DeleteSelected());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(page_.masks().empty());
  EXPECT_FALSE(page_.selected());
}

}  // namespace
}  // namespace telvane
