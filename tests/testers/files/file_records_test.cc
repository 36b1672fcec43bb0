// The file service's records, the update and mask checks, the listing order
// and the paths made from what the instrument lists.
#include "testers/files/file_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testers/files/file_checks.h"
#include "testers/files/listing.h"
#include "testers/files/remote_paths.h"

namespace telvane {
namespace {

TEST(DbInfoRecordTest, FieldsAtTheirOffsetsLittleEndian) {
  DbInfoRecord::Bytes bytes{};
  // 1.003f = 0x3F80624E
  const uint8_t golden[21] = {0x4E, 0x62, 0x80, 0x3F, 7, 0,    0,    0,    0x2C, 1,   0,
                              0,    0x10, 0,    0,    0, 0x00, 0x00, 0x10, 0x00, 0xA5};
  std::copy(std::begin(golden), std::end(golden), bytes.begin());
  DbInfoRecord record;
  ASSERT_TRUE(record.Assign(bytes));
  EXPECT_FLOAT_EQ(record.version(), 1.003f);
  EXPECT_EQ(record.cable_types(), 7u);
  EXPECT_EQ(record.cables(), 300u);
  EXPECT_EQ(record.reflectograms(), 16u);
  EXPECT_EQ(record.database_size(), 0x100000u);
  EXPECT_EQ(record.tail(), 0xA5);
  DbInfoRecord changed = record;
  changed.set_database_size(0x01020304);
  EXPECT_EQ(changed.bytes()[16], 0x04);
  EXPECT_EQ(changed.bytes()[19], 0x01);
  EXPECT_EQ(changed.bytes()[20], 0xA5);  // sent back as it came
}

TEST(FileEntryTest, PathPaddedThenSizeAndTheEndEntry) {
  const FileEntry entry = FileEntry::Make("Маска.msk", 513);
  const auto& b = entry.bytes();
  EXPECT_EQ(b[0], 0xCC);  // "М" in CP1251
  EXPECT_EQ(b[4], 0xE0);  // "а"
  EXPECT_EQ(b[5], '.');
  EXPECT_EQ(b[9], 0);
  EXPECT_EQ(b[254], 0);
  EXPECT_EQ(b[255], 0x01);
  EXPECT_EQ(b[256], 0x02);
  EXPECT_EQ(entry.path(), "Маска.msk");
  EXPECT_FALSE(entry.is_end());
  EXPECT_TRUE(FileEntry::Make("x", kFolderSize).is_folder());
  EXPECT_TRUE(FileEntry().is_end());
  // An empty name with a size is not the end.
  EXPECT_FALSE(FileEntry::Make("", 5).is_end());
  // At most 255 characters are copied: byte 254 is the last of the path.
  const FileEntry longest = FileEntry::Make(std::string(300, 'a'), 0);
  EXPECT_EQ(longest.bytes()[254], 'a');
  EXPECT_EQ(longest.size(), 0u);
}

TEST(ChangeFolderRecordTest, PathZeroPaddedTo259Bytes) {
  const ChangeFolderRecord record = MakeChangeFolderRecord("/mnt/ext2/");
  EXPECT_EQ(ChangeFolderRecord::kSize, 259u);
  EXPECT_EQ(std::string(record.bytes().begin(), record.bytes().begin() + 10), "/mnt/ext2/");
  for (size_t i = 10; i < 259; ++i) ASSERT_EQ(record.bytes()[i], 0) << i;
}

TEST(UpdateFileCheckTest, SumAcceptedDataXoredWithRisingKeyLastByteDropped) {
  // 1 + 2 + 3 = 6
  const std::vector<uint8_t> file = {1, 2, 3, 6};
  const auto data = UpdateFileCheck(file);
  ASSERT_TRUE(data);
  EXPECT_EQ(*data, (std::vector<uint8_t>{1 ^ 1, 2 ^ 2, 3 ^ 3}));
  // A wrong last byte is refused.
  EXPECT_FALSE(UpdateFileCheck(std::vector<uint8_t>{1, 2, 3, 7}));
  // One byte: accepted when it is 0, and sends nothing.
  const auto one = UpdateFileCheck(std::vector<uint8_t>{0});
  ASSERT_TRUE(one);
  EXPECT_TRUE(one->empty());
  EXPECT_FALSE(UpdateFileCheck(std::vector<uint8_t>{1}));
  // An empty file is refused.
  EXPECT_FALSE(UpdateFileCheck(std::vector<uint8_t>{}));
}

TEST(UpdateFileCheckTest, KeyWrapsFrom255ToZeroAndSumWrapsModulo256) {
  std::vector<uint8_t> file(300, 0xFF);
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < file.size(); ++i) sum = static_cast<uint8_t>(sum + file[i]);
  file.back() = sum;
  const auto data = UpdateFileCheck(file);
  ASSERT_TRUE(data);
  ASSERT_EQ(data->size(), 299u);
  EXPECT_EQ((*data)[0], 0xFF ^ 1);
  EXPECT_EQ((*data)[254], 0xFF ^ 255);
  EXPECT_EQ((*data)[255], 0xFF ^ 0);  // the key wrapped to 0
  EXPECT_EQ((*data)[256], 0xFF ^ 1);
}

TEST(MaskLinesTest, LineRules) {
  EXPECT_TRUE(MaskLinesValid(""));
  EXPECT_TRUE(MaskLinesValid("  \t\r\n\n"));
  EXPECT_TRUE(MaskLinesValid("-12.5, +3\t4\r\n100,2\n"));
  EXPECT_TRUE(MaskLinesValid("a=anything goes here\n"));
  EXPECT_TRUE(MaskLinesValid("=title\n"));
  EXPECT_TRUE(MaskLinesValid("   F=fext\n"));  // second after the blanks
  EXPECT_FALSE(MaskLinesValid("12 dB\n"));
  EXPECT_FALSE(MaskLinesValid("1\n2\nab=\n"));
  // A line of 254 characters passes, 255 does not.
  EXPECT_TRUE(MaskLinesValid(std::string(254, '1') + "\n"));
  EXPECT_FALSE(MaskLinesValid(std::string(255, '1') + "\n"));
  EXPECT_FALSE(MaskLinesValid(std::string(255, '1')));
}

std::vector<FileEntry> Entries(std::vector<std::pair<std::string, uint32_t>> items) {
  std::vector<FileEntry> entries;
  for (auto& [name, size] : items) entries.push_back(FileEntry::Make(name, size));
  return entries;
}

std::vector<std::string> Names(const std::vector<RemoteEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.name);
  return names;
}

TEST(ListingOrderTest, ParentFirstFoldersReversedFilesInOrder) {
  const auto entries = Entries({{"a.txt", 1},
                                {"one", kFolderSize},
                                {"..", kFolderSize},
                                {"two", kFolderSize},
                                {"b.txt", 2},
                                {"three", kFolderSize}});
  EXPECT_EQ(Names(OrderListing(entries)),
            (std::vector<std::string>{"..", "three", "two", "one", "a.txt", "b.txt"}));
  EXPECT_TRUE(OrderListing({}).empty());
}

TEST(RemotePathsTest, BrowserPaths) {
  EXPECT_EQ(ParentFolder("/mnt/ext2/masks/"), "/mnt/ext2/");
  EXPECT_EQ(ParentFolder("/mnt/"), "/");
  EXPECT_EQ(ParentFolder("/"), "/");
  EXPECT_EQ(ChildFolder("/mnt/ext2/", "masks"), "/mnt/ext2/masks/");
  EXPECT_EQ(LastComponent("/a/b/c.db"), "c.db");
  EXPECT_EQ(LastComponent("A\\B\\c.txt"), "c.txt");
  EXPECT_EQ(Extension("data.tar.gz"), ".gz");
  EXPECT_EQ(Extension("README"), "");
  EXPECT_EQ(Extension("dir.d/README"), "");
}

TEST(RemotePathsTest, FolderPagePaths) {
  EXPECT_EQ(TopLevelFolder("\\MEAS\\2024\\a.txt"), "MEAS");
  EXPECT_EQ(TopLevelFolder("\\MEAS"), "MEAS");
  EXPECT_EQ(TopLevelFolder(".."), "");
  EXPECT_EQ(AfterFirstSeparator("\\MEAS\\2024\\a.txt"), "MEAS\\2024\\a.txt");
  EXPECT_EQ(SafeRelativePath("MEAS\\2024\\a.txt"), "MEAS/2024/a.txt");
}

TEST(RemotePathsTest, HostilePathsNeverLeaveTheFolder) {
  for (const char* hostile : {"..\\..\\x", "MEAS\\..\\..\\x", "\\etc\\passwd", "/etc/passwd",
                              "C:\\x", "MEAS\\C:x", "MEAS/../../x", ".."}) {
    EXPECT_FALSE(SafeRelativePath(hostile)) << hostile;
  }
  EXPECT_FALSE(SafeRelativePath(""));
  EXPECT_TRUE(SafeRelativePath("MEAS\\..a\\b"));  // a name that only starts with dots
}

}  // namespace
}  // namespace telvane
