// The file pages on the command line against telvane-sim serving a folder of
// this machine as the instrument's file system: what arrives in the local
// files and what changes in the served folder, with the simulator's faults.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/cli_test_support.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string Text(const fs::path& path) {
  const auto bytes = ReadAll(path.string());
  return std::string(bytes.begin(), bytes.end());
}

class FilePagesCliTest : public CliSimTest {
 protected:
  void SetUp() override {
    root_ = fs::path(dir_.File("instrument"));
    Put(root_ / "mnt/ext2/cablebase.db", "SQLite format 2 -- the base");
    Put(root_ / "mnt/ext2/README", "read me");
    Put(root_ / "mnt/ext2/logs/data", "0123456789");
    Put(root_ / "mnt/ext2/masks/E1/NEXT/default.msk", "=mask\n1 -2.5\n");
    Put(root_ / "mnt/ext2/masks/E1/NEXT/notes.txt", "not a mask");
    Put(root_ / "MEAS/2026/a.txt", "measurement a");
    Put(root_ / "MEAS/b.txt", "measurement b");
    Put(root_ / "MEASX/c.txt", "another folder");
  }
  void Start(int kind, std::vector<std::string> faults = {}) {
    std::vector<std::string> args = {"--fs", root_.string()};
    for (const auto& fault : faults) {
      args.push_back("--fault");
      args.push_back(fault);
    }
    StartSim(kind, args);
  }
  std::string Session(int kind) const { return " --session " + std::to_string(kind) + "::COM1 "; }

  fs::path root_;
};

TEST_F(FilePagesCliTest, DatabaseServicePrintsReceivesAndSends) {
  Start(18);
  CliResult run = RunCli("--file " + Quoted("got.db") + " pages dbservice" + Session(18) +
                         "--print --receive-db");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("Версия прибора: 8.000"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Размер файла базы данных: 27 байт"), std::string::npos);
  EXPECT_EQ(Text(File("got.db")), "SQLite format 2 -- the base");

  Put(File("new.db"), "a new database");
  run =
      RunCli("--file " + Quoted("new.db") + " pages dbservice" + Session(18) + "--send-db --print");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(Text(root_ / "mnt/ext2/cablebase.db"), "a new database");
  EXPECT_NE(run.output.find("Размер файла базы данных: 14 байт"), std::string::npos);
}

TEST_F(FilePagesCliTest, UpdateArrivesUntransformedOnTheInstrument) {
  Start(18);
  // 'a' + 'b' + 'c' = 0x126 -> 0x26.
  Put(File("fw.update"), "abc\x26");
  const CliResult run =
      RunCli("--file " + Quoted("fw.update") + " pages dbservice" + Session(18) + "--update");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(Text(root_ / "mnt/ext2/update.bin"), "abc");
}

TEST_F(FilePagesCliTest, BrowserChangesFolderReceivesAndDeletes) {
  Start(18);
  CliResult run = RunCli("--file " + Quoted("data") + " pages files" + Session(18) +
                         "--cd /mnt/ext2/logs --list --get data");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_NE(run.output.find("/mnt/ext2/logs/"), std::string::npos);
  EXPECT_NE(run.output.find("  [..]"), std::string::npos);
  EXPECT_EQ(Text(File("data")), "0123456789");

  run = RunCli("--yes pages files" + Session(18) + "--delete README --list");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_FALSE(fs::exists(root_ / "mnt/ext2/README"));
  EXPECT_TRUE(fs::exists(root_ / "mnt/ext2/cablebase.db"));
  // The database in "/mnt/ext2/" is never offered for deletion.
  run = RunCli("--yes pages files" + Session(18) + "--delete cablebase.db");
  EXPECT_NE(run.status, 0);
  EXPECT_TRUE(fs::exists(root_ / "mnt/ext2/cablebase.db"));
}

TEST_F(FilePagesCliTest, MasksListedSentAndRefused) {
  Start(18);
  Put(File("new.msk"), "=new\n10, -3.5\n");
  CliResult run = RunCli("--file " + Quoted("new.msk") + " pages masks" + Session(18) +
                         "--format E1 --mode NEXT --put --list");
  ASSERT_EQ(run.status, 0) << run.output << Log();
  EXPECT_EQ(Text(root_ / "mnt/ext2/masks/E1/NEXT/new.msk"), "=new\n10, -3.5\n");
  EXPECT_NE(run.output.find("  default.msk"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("notes.txt"), std::string::npos);

  Put(File("bad.msk"), "=bad\nten\n");
  run = RunCli("--file " + Quoted("bad.msk") + " pages masks" + Session(18) +
               "--format E1 --mode NEXT --put");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("Файл маски испорчен!"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(root_ / "mnt/ext2/masks/E1/NEXT/bad.msk"));
}

TEST_F(FilePagesCliTest, FolderReceivedWholeAndHostilePathsStayInside) {
  Start(17, {"hostile-listing"});
  const fs::path outer(dir_.File("out"));
  const fs::path inside = outer / "in";
  fs::create_directories(inside);
  CliResult run = RunCli("--folder " + ShellQuote(inside.string()) + " pages folders" +
                         Session(17) + "--list --get-folder MEAS");
  EXPECT_EQ(run.status, 1) << run.output << Log();
  EXPECT_EQ(Text(inside / "MEAS/2026/a.txt"), "measurement a");
  EXPECT_EQ(Text(inside / "MEAS/b.txt"), "measurement b");
  EXPECT_FALSE(fs::exists(inside / "MEASX"));

  // The measurement folder's own hostile entry was skipped with its message
  // (so the action reports a failure) and the loop went on.
  EXPECT_NE(run.output.find("Неверный путь: \\MEAS\\..\\..\\escaped"), std::string::npos);

  run = RunCli("--folder " + ShellQuote(inside.string()) + " pages folders" + Session(17) +
               "--get-folder ..");
  EXPECT_NE(run.output.find("Неверный путь: ..\\..\\x"), std::string::npos) << run.output;
  for (const auto& entry : fs::recursive_directory_iterator(outer)) {
    EXPECT_TRUE(entry.path().string().starts_with(inside.string())) << entry.path();
  }
  EXPECT_FALSE(fs::exists(outer / "x"));
  EXPECT_FALSE(fs::exists(outer / "escaped"));
}

TEST_F(FilePagesCliTest, FaultsOfEachStepAreReported) {
  Start(18, {"no-confirm:0D"});
  CliResult run = RunCli("pages files" + Session(18) + "--list");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("Ошибка команды"), std::string::npos) << run.output;

  Start(18, {"short-listing"});
  run = RunCli("pages files" + Session(18) + "--cd /mnt/ext2/logs");
  EXPECT_NE(run.status, 0) << run.output;

  Start(18, {"bad-confirm-byte"});
  Put(File("new.db"), "a new database");
  run = RunCli("--file " + Quoted("new.db") + " pages dbservice" + Session(18) + "--send-db");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("Ошибка байта подтверждения"), std::string::npos) << run.output;
}

TEST(UpdateCheckCliTest, LengthAndDataOrTheRefusal) {
  TempDir dir;
  WriteAll(dir.File("u.update"), {0x10, 0x20, 0xF0, 0x20});
  CliResult run = RunCli("update check " + ShellQuote(dir.File("u.update")) + " --out " +
                         ShellQuote(dir.File("d.bin")));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("data length: 3"), std::string::npos);
  EXPECT_EQ(ReadAll(dir.File("d.bin")), (std::vector<uint8_t>{0x11, 0x22, 0xF3}));
  WriteAll(dir.File("bad.update"), {1, 2});
  run = RunCli("update check " + ShellQuote(dir.File("bad.update")));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Неверный файл обновления!"), std::string::npos);
}

TEST(MaskCheckCliTest, ExtensionSizeAndLines) {
  TempDir dir;
  const auto put = [&](const std::string& name, const std::string& text) {
    WriteAll(dir.File(name), std::vector<uint8_t>(text.begin(), text.end()));
    return RunCli("mask check " + ShellQuote(dir.File(name)));
  };
  EXPECT_EQ(put("good.msk", "=x\n1, 2\n").status, 0);
  std::string full(65535, '1');
  full += "\n";
  // Lines of 255 characters or more are refused; keep them short.
  for (size_t i = 200; i < full.size(); i += 200) full[i] = '\n';
  EXPECT_EQ(put("full.msk", full).status, 0);
  const CliResult big = put("big.msk", full + "1");
  EXPECT_EQ(big.status, 1);
  EXPECT_NE(big.output.find("Слишком большая маска!"), std::string::npos);
  const CliResult txt = put("mask.txt", "1\n");
  EXPECT_EQ(txt.status, 1);
  EXPECT_NE(txt.output.find("не имеет правильного расширения"), std::string::npos);
  const CliResult letters = put("l.msk", "1\nab\n");
  EXPECT_EQ(letters.status, 1);
  EXPECT_NE(letters.output.find("Файл маски испорчен!"), std::string::npos);
}

}  // namespace
}  // namespace telvane::testing
