// The measurement folders page against a scripted kind 17 instrument: one item
// per top-level folder, a whole folder received, hostile paths kept inside the
// chosen folder, a folder deleted and a "*.ldr" update sent.
#include "testers/files/folder_files_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

class FolderFilesPageTest : public ::testing::Test {
 protected:
  void StartWith(const std::vector<std::pair<std::string, uint32_t>>& entries) {
    files_.List(entries);
    page_.Start();
    ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  }

  ScriptedPeer peer_;
  FilePeer files_{peer_, 17};
  PeerLink link_{peer_, 17, "123456"};
  std::vector<std::chrono::milliseconds> pauses_;
  FolderFilesPage page_{link_.context(), PageId::kMeasurementFiles17,
                        [this](std::chrono::milliseconds pause) { pauses_.push_back(pause); }};
  TempDir dir_;
};

TEST_F(FolderFilesPageTest, OneItemPerTopLevelFolder) {
  StartWith(
      {{"\\MEAS\\a.txt", 1}, {"\\MEAS\\b.txt", 1}, {"\\LOGS", kFolder}, {"\\LOGS\\x.log", 1}});
  EXPECT_EQ(page_.folders(), (std::vector<std::string>{"LOGS", "MEAS"}));
  EXPECT_EQ(page_.selected(), 0u);
  EXPECT_TRUE(page_.actions_enabled());
}

TEST_F(FolderFilesPageTest, EmptyListingSelectsNothing) {
  StartWith({});
  EXPECT_TRUE(page_.folders().empty());
  EXPECT_FALSE(page_.actions_enabled());
}

TEST_F(FolderFilesPageTest, ReceivesOnlyTheSelectedFolderCreatingSubFolders) {
  StartWith({{"\\MEAS\\sub", kFolder},
             {"\\MEASX\\other.txt", 2},
             {"\\MEAS\\a.txt", 2},
             {"\\MEAS\\sub\\b.txt", 1}});
  ASSERT_EQ(page_.folders(), (std::vector<std::string>{"MEAS", "MEASX"}));
  page_.Select(0);
  link_.screen().AnswerFolder(dir_.path().string());
  files_.Select("\\MEAS\\a.txt", 2);
  files_.Receive(0x0E, {'h', 'i'});
  files_.Select("\\MEAS\\sub\\b.txt", 1);
  files_.Receive(0x0E, {'!'});
  ASSERT_TRUE(page_.ReceiveSelected()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().shown()[0].text, "Выберите папку назначения");
  EXPECT_EQ(testing::ReadAll(dir_.File("MEAS/a.txt")), (PeerBytes{'h', 'i'}));
  EXPECT_EQ(testing::ReadAll(dir_.File("MEAS/sub/b.txt")), (PeerBytes{'!'}));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("MEASX")));
}

TEST_F(FolderFilesPageTest, HostilePathsAreSkippedAndNothingLandsOutside) {
  TempDir outer;
  const std::filesystem::path inside = outer.path() / "in";
  std::filesystem::create_directories(inside);
  StartWith({{"..\\..\\x", 1},
             {"\\..\\..\\..\\escaped", 1},
             {"/etc/passwd", 1},
             {"C:\\x", 1},
             {"\\MEAS\\C:\\y", 1}});
  ASSERT_EQ(page_.folders(), (std::vector<std::string>{"..", "x", "MEAS"}));
  for (size_t item = 0; item < 3; ++item) {
    page_.Select(item);
    link_.screen().AnswerFolder(inside.string());
    if (item == 1) {
      // "C:\x": the drive part is before the first "\", so "x" lands inside.
      files_.Select("C:\\x", 1);
      files_.Receive(0x0E, {'x'});
    }
    page_.ReceiveSelected();
  }
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Неверный путь: ..\\..\\x",
                                      "Ошибка: Неверный путь: \\..\\..\\..\\escaped",
                                      "Ошибка: Неверный путь: \\MEAS\\C:\\y"}));
  EXPECT_EQ(testing::ReadAll((inside / "x").string()), (PeerBytes{'x'}));
  // Nothing but "in" was made in the outer folder.
  size_t outside = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(outer.path())) {
    if (entry.path() != inside && entry.path() != inside / "x") ++outside;
  }
  EXPECT_EQ(outside, 0u);
}

// A local folder or file that cannot be made says "Error N" (caption
// "Telvane", the system's error number) and the loop goes on with the next
// entry; nothing already on this computer is replaced by a file.
TEST_F(FolderFilesPageTest, LocalFolderOrFileThatCannotBeMadeSaysErrorAndGoesOn) {
  StartWith({{"\\MEAS\\blocked\\a.txt", 2}, {"\\MEAS\\dir.txt", 1}, {"\\MEAS\\ok.txt", 1}});
  // "blocked" is a file here, so its folder cannot be made; "dir.txt" is a folder.
  std::filesystem::create_directories(dir_.path() / "MEAS" / "dir.txt");
  { std::ofstream(dir_.File("MEAS/blocked")) << "keep"; }
  link_.screen().AnswerFolder(dir_.path().string());
  files_.Select("\\MEAS\\dir.txt", 1);
  files_.Receive(0x0E, {'d'});
  files_.Select("\\MEAS\\ok.txt", 1);
  files_.Receive(0x0E, {'k'});
  EXPECT_TRUE(page_.ReceiveSelected());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  const auto messages = link_.screen().messages();
  ASSERT_EQ(messages.size(), 2u);
  for (const auto& message : messages) {
    EXPECT_EQ(message.caption, "Telvane");
    EXPECT_EQ(message.icon, Icon::kError);
    ASSERT_GT(message.text.size(), 6u);
    EXPECT_EQ(message.text.substr(0, 6), "Error ");
    EXPECT_GT(std::stoul(message.text.substr(6)), 0u) << message.text;
  }
  EXPECT_EQ(testing::ReadAll(dir_.File("MEAS/blocked")), (PeerBytes{'k', 'e', 'e', 'p'}));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("MEAS/dir.txt")));
  EXPECT_EQ(testing::ReadAll(dir_.File("MEAS/ok.txt")), (PeerBytes{'k'}));
}

TEST_F(FolderFilesPageTest, FailedSelectEndsTheLoop) {
  StartWith({{"\\MEAS\\a.txt", 1}, {"\\MEAS\\b.txt", 1}});
  link_.screen().AnswerFolder(dir_.path().string());
  peer_.Expect(files_.Command(0x12), files_.Confirm(0x00));
  EXPECT_FALSE(page_.ReceiveSelected());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(
      link_.screen().MessageLines(),
      (std::vector<std::string>{"Ошибка: Ошибка подтверждения команды", "Ошибка: Ошибка команды"}));
}

TEST_F(FolderFilesPageTest, DeleteSelectsTheFolderPathAsFolderThenAsks) {
  StartWith({{"\\LOGS\\x.log", 1}, {"\\MEAS\\sub\\a.txt", 1}});
  page_.Select(1);
  files_.Select("\\MEAS", 0xFFFFFFFF);
  link_.screen().Answer(Answer::kYes, "Удалить безвозвратно папку и всё её содержимое на приборе?");
  peer_.Expect(files_.Command(0x0F), files_.Confirm(0x0F));
  ASSERT_TRUE(page_.DeleteSelected()) << peer_.mismatch();
  EXPECT_EQ(page_.folders(), (std::vector<std::string>{"LOGS"}));
  EXPECT_EQ(page_.selected(), 0u);
}

TEST_F(FolderFilesPageTest, LoaderUpdateGoesToUpdateFolderUnchangedInLoaderChunks) {
  StartWith({});
  PeerBytes file(1500);
  for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i);
  testing::WriteAll(dir_.File("fw.ldr"), file);
  link_.screen().ChooseFile(dir_.File("fw.ldr"));
  files_.Select("UPDATE\\fw.ldr", 1500);
  peer_.Expect(files_.Command(0x11), files_.Confirm(0x11));
  peer_.Expect(files_.Record(file), files_.InstrumentAck());
  ASSERT_TRUE(page_.UpdateSoftware()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(pauses_.size(), 3u);  // 7, 1024, 477
  const auto& dialog = link_.screen().shown()[0].dialog;
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].description, "*.ldr");
  EXPECT_EQ(dialog.filters[0].pattern, "*.ldr");
}

TEST_F(FolderFilesPageTest, FailedLoaderRecordSaysSo) {
  StartWith({});
  testing::WriteAll(dir_.File("fw.ldr"), {1, 2});
  link_.screen().ChooseFile(dir_.File("fw.ldr"));
  files_.Select("UPDATE\\fw.ldr", 2);
  peer_.Expect(files_.Command(0x11), files_.Confirm(0x11));
  peer_.Expect(files_.Record({1, 2}), files_.ProgramAck());
  EXPECT_FALSE(page_.UpdateSoftware());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Ошибка байта подтверждения",
                                      "Ошибка: Ошибка при отправке записи"}));
}

}  // namespace
}  // namespace telvane
