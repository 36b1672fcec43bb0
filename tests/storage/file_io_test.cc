// The shared whole-file read and write: what is refused, what is left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "base/file_read.h"
#include "base/file_write.h"
#include "storage/trace/rfg_file.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;

size_t EntriesIn(const std::filesystem::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

class FileIoTest : public ::testing::Test {
 protected:
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("target.bin");
};

TEST_F(FileIoTest, ReplacementTakesThePlaceOnlyWhenCommitted) {
  testing::WriteAll(path_, Bytes{1, 2, 3});
  {
    auto replacement = FileReplacement::Begin(path_);
    ASSERT_TRUE(replacement);
    ASSERT_TRUE(replacement->file().Write(Bytes{9, 9}));
    EXPECT_EQ(EntriesIn(dir_.path()), 2u);
  }  // dropped: the new file goes, the old one stays
  EXPECT_EQ(testing::ReadAll(path_), (Bytes{1, 2, 3}));
  EXPECT_EQ(EntriesIn(dir_.path()), 1u);

  ASSERT_TRUE(ReplaceWholeFile(screen_, path_, Bytes{4, 5}));
  EXPECT_EQ(testing::ReadAll(path_), (Bytes{4, 5}));
  EXPECT_EQ(EntriesIn(dir_.path()), 1u);
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(FileIoTest, ReplacementRefusesWhatIsNotARegularFile) {
  const std::string folder = dir_.File("folder");
  std::filesystem::create_directory(folder);
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string link = dir_.File("link");
  std::filesystem::create_symlink(folder, link);
  for (const std::string& target : {folder, fifo, link, dir_.File("missing/x"), folder + "/"}) {
    EXPECT_FALSE(ReplaceWholeFile(screen_, target, Bytes{1})) << target;
    EXPECT_EQ(screen_.MessageLines().back(), "Ошибка создания файла: " + target);
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(EntriesIn(dir_.path()), 3u);
}

TEST_F(FileIoTest, ReadsOpenOnlyRegularFilesAndStopAtTheLimit) {
  testing::WriteAll(path_, Bytes(1000, 7));
  const auto read = ReadFileStart(screen_, path_, 10, {"open", "read"});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->bytes, Bytes(10, 7));
  EXPECT_EQ(read->size, 1000u);

  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Opened without waiting for a writer, then refused by its type.
  auto fifo_read = std::async(std::launch::async, [&] {
    return ReadFileStart(screen_, fifo, 10, {"open", "read"}).has_value();
  });
  if (fifo_read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "the read waited on a FIFO";
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    fifo_read.wait();
    if (writer >= 0) ::close(writer);
  }
  EXPECT_FALSE(fifo_read.get());
  EXPECT_FALSE(ReadFileStart(screen_, "/dev/zero", 10, {"open", "read"}));
  EXPECT_FALSE(ReadFileStart(screen_, dir_.path().string(), 10, {"open", "read"}));
  EXPECT_EQ(screen_.MessageLines(),
            (Lines{"open: " + fifo, "open: /dev/zero", "open: " + dir_.path().string()}));
}

TEST_F(FileIoTest, TraceFilesRefuseAFifoWithoutWaiting) {
  const std::string fifo = dir_.File("trace.rfg");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto read = std::async(std::launch::async, [&] {
    CableBlock block(RecordForm::kCompact);
    ReflectogramRecord record(RecordForm::kCompact);
    return ReadRfgOlder(screen_, fifo, block, record);
  });
  if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "the trace read waited on a FIFO";
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    read.wait();
    if (writer >= 0) ::close(writer);
  }
  EXPECT_FALSE(read.get());
  EXPECT_EQ(screen_.MessageLines(), Lines{"Ошибка открытия файла: " + fifo});
}

TEST_F(FileIoTest, WholeFileWriteReportsAsTheFormatAsks) {
  EXPECT_FALSE(
      WriteWholeFile(screen_, dir_.File("no/x"), std::string_view("a"), WriteFailure::kFileName));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка создания файла: " + dir_.File("no/x"));
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_FALSE(
        WriteWholeFile(screen_, "/dev/full", std::string_view("a"), WriteFailure::kFileName));
    EXPECT_EQ(screen_.MessageLines().back(), "Ошибка записи в файл: /dev/full");
    EXPECT_FALSE(
        WriteWholeFile(screen_, "/dev/full", std::string_view("a"), WriteFailure::kWriteFileCall));
    EXPECT_EQ(screen_.MessageLines().back(), "Error: WriteFile()");
  }
}

}  // namespace
}  // namespace telvane
