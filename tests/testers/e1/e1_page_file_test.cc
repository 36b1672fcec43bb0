// The E1 page file from outside: files built here from the layout (header
// text, version float, the 100-byte block, records, CRC low byte first, with
// a CRC computed bit by bit in the test) load into the page's document, the
// document saves them back byte for byte, and every refusal shows its message
// with the file name as caption and leaves the page as it was.
#include "testers/e1/e1_page_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/values.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "testers/e1/e1_document.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::ReadAll;
using testing::ScriptedScreen;
using testing::TempDir;
using testing::WriteAll;

// CRC-16/CCITT-FALSE, one bit at a time.
uint16_t BitCrc(const uint8_t* data, size_t length) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < length; ++i) {
    crc ^= static_cast<uint16_t>(data[i] << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000) != 0 ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                                : static_cast<uint16_t>(crc << 1);
    }
  }
  return crc;
}

// A page file from the layout: `text` in the 256-byte field, the version
// bytes at 256, block bytes 1..100, `records` records whose byte k is
// (k + 7 r) mod 251, and the CRC (low byte first).
Bytes LayoutFile(size_t records, const char* text = "VS-E1 PAGE FILE",
                 Bytes version = {0x00, 0x00, 0x80, 0x3F}) {
  Bytes file(260 + 100 + records * 328, 0);
  std::memcpy(file.data(), text, std::strlen(text));
  std::copy(version.begin(), version.end(), file.begin() + 256);
  for (int i = 0; i < 100; ++i) file[260 + i] = static_cast<uint8_t>(i + 1);
  for (size_t r = 0; r < records; ++r) {
    for (size_t k = 0; k < 328; ++k)
      file[360 + r * 328 + k] = static_cast<uint8_t>((k + 7 * r) % 251);
  }
  const uint16_t crc = BitCrc(file.data(), file.size());
  file.push_back(static_cast<uint8_t>(crc & 0xFF));
  file.push_back(static_cast<uint8_t>(crc >> 8));
  return file;
}

void FixCrc(Bytes& file) {
  const uint16_t crc = BitCrc(file.data(), file.size() - 2);
  file[file.size() - 2] = static_cast<uint8_t>(crc & 0xFF);
  file[file.size() - 1] = static_cast<uint8_t>(crc >> 8);
}

class E1PageFileTest : public ::testing::Test {
 protected:
  // Loads `bytes` from a file into the document; the message lines shown.
  bool Load(const Bytes& bytes) {
    WriteAll(path_, bytes);
    return document_.LoadPageFrom(screen_, path_);
  }

  TempDir dir_;
  std::string path_ = dir_.File("page.vse1page");
  ScriptedScreen screen_;
  E1Document document_;
};

TEST(E1CrcTest, CheckValueOfTheNineDigitsAndOfEmptyData) {
  const char digits[] = "123456789xx";
  int result = 1;
  EXPECT_EQ(Crc16Check(0, result, reinterpret_cast<const uint8_t*>(digits), 11), 0x29B1);
  EXPECT_EQ(BitCrc(reinterpret_cast<const uint8_t*>(digits), 9), 0x29B1);
  const uint8_t two[2] = {0xFF, 0xFF};
  EXPECT_EQ(Crc16Check(1, result, two, 2), 0xFFFF);
  EXPECT_EQ(result, 0);
}

TEST_F(E1PageFileTest, FileFromTheLayoutLoadsAndSavesBackByteForByte) {
  const Bytes file = LayoutFile(3);
  ASSERT_EQ(file.size(), 3u * 328 + 362);
  ASSERT_TRUE(Load(file)) << ::testing::PrintToString(screen_.MessageLines());
  ASSERT_EQ(document_.file_count(), 1);
  const E1File& loaded = *document_.selected_file();
  ASSERT_EQ(loaded.records.size(), 3u);
  EXPECT_EQ(loaded.records[2].bytes()[10], (10 + 14) % 251);
  EXPECT_EQ(loaded.header.bytes()[96], 1);
  EXPECT_EQ(loaded.header.bytes()[195], 100);
  EXPECT_EQ(document_.ListLines(), std::vector<std::string>{"Файл  1"});

  const std::string saved = dir_.File("again.vse1page");
  ASSERT_TRUE(document_.SavePageTo(screen_, saved));
  EXPECT_EQ(ReadAll(saved), file);
  EXPECT_TRUE(screen_.MessageLines().empty());
}

TEST_F(E1PageFileTest, FileWithoutRecordsIsExactly362BytesAndLoadsBackEmpty) {
  E1File empty;
  empty.header.set_byte(96, 0x5A);
  empty.header.set_byte(173, 2);
  document_.Append(empty);
  document_.Select(0);
  ASSERT_TRUE(document_.SavePageTo(screen_, path_));
  const Bytes bytes = ReadAll(path_);
  ASSERT_EQ(bytes.size(), 362u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 16),
            std::string("VS-E1 PAGE FILE\0", 16));
  EXPECT_EQ(Bytes(bytes.begin() + 256, bytes.begin() + 260), (Bytes{0, 0, 0x80, 0x3F}));
  EXPECT_EQ(bytes[260], 0x5A);
  EXPECT_EQ(bytes[260 + 173 - 96], 2);
  const uint16_t crc = BitCrc(bytes.data(), 360);
  EXPECT_EQ(bytes[360], crc & 0xFF);
  EXPECT_EQ(bytes[361], crc >> 8);

  E1Document other;
  ASSERT_TRUE(other.LoadPageFrom(screen_, path_));
  EXPECT_TRUE(other.selected_file()->records.empty());
  EXPECT_EQ(other.SummaryText(), "Нет данных");
  EXPECT_EQ(other.ListLines(), std::vector<std::string>{"Файл  1  (пуст)"});
}

TEST_F(E1PageFileTest, AnyChangedByteGivesTheCrcMessageWithTheComputedValue) {
  ASSERT_TRUE(Load(LayoutFile(1)));
  const Bytes before = BuildE1PageFile(*document_.selected_file());
  for (size_t at : {size_t{0}, size_t{200}, size_t{258}, size_t{300}, size_t{689}}) {
    Bytes bad = LayoutFile(1);
    bad[at] ^= 0x01;
    screen_.ClearShown();
    EXPECT_FALSE(Load(bad));
    char computed[8];
    std::snprintf(computed, sizeof computed, "0x%2.2x", BitCrc(bad.data(), bad.size() - 2));
    ASSERT_EQ(screen_.messages().size(), 1u);
    EXPECT_EQ(screen_.messages()[0].caption, path_);
    EXPECT_EQ(screen_.messages()[0].icon, Icon::kError);
    EXPECT_EQ(
        screen_.messages()[0].text,
        std::string("Файл повреждён\r\nили имеет неправильный формат\r\nCRC-CCITT16: ") + computed);
  }
  // Nothing of the refused files reached the page.
  EXPECT_EQ(BuildE1PageFile(*document_.selected_file()), before);
}

TEST_F(E1PageFileTest, EachRefusalInItsOrderLeavesThePageUnchanged) {
  ASSERT_TRUE(Load(LayoutFile(2)));
  const Bytes before = BuildE1PageFile(*document_.selected_file());
  struct Case {
    Bytes file;
    std::string message;
  };
  Bytes short_file(300, 0);  // right CRC, shorter than an empty page file
  FixCrc(short_file);
  Bytes partial = LayoutFile(1);  // a record cut short before the CRC
  partial.insert(partial.end() - 2, 100, 0x11);
  FixCrc(partial);
  Bytes header_only(260, 0);
  FixCrc(header_only);
  const std::vector<Case> cases = {
      {{0x42}, "Неверный размер файла"},
      {{}, "Неверный размер файла"},
      {header_only, "Неверный размер файла"},
      {short_file, "Неверный размер файла"},
      {partial, "Неверный размер файла"},
      {LayoutFile(1, "VS-E1 PAGE FILF"), "Неверная строка заголовка файла"},
      {LayoutFile(0, "VS-E1 PAGE"), "Неверная строка заголовка файла"},
      {LayoutFile(1, "VS-E1 PAGE FILE", {0x00, 0x00, 0x80, 0xBF}), "Неверная версия файла"},
      {LayoutFile(1, "VS-E1 PAGE FILE", {0x01, 0x00, 0x80, 0x3F}), "Неверная версия файла"},
      // The header text is checked before the version.
      {LayoutFile(1, "OTHER", {0, 0, 0, 0}), "Неверная строка заголовка файла"},
  };
  for (const Case& c : cases) {
    screen_.ClearShown();
    EXPECT_FALSE(Load(c.file)) << c.message;
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{path_ + ": " + c.message})
        << c.file.size();
  }
  EXPECT_EQ(BuildE1PageFile(*document_.selected_file()), before);
}

TEST_F(E1PageFileTest, MissingFolderAndOversizedFilesAreRefusedWithoutReading) {
  screen_.ClearShown();
  EXPECT_FALSE(document_.LoadPageFrom(screen_, dir_.File("absent.vse1page")));
  EXPECT_FALSE(document_.LoadPageFrom(screen_, dir_.path().string()));
  Bytes huge = LayoutFile(1000);
  EXPECT_FALSE(Load(huge));
  EXPECT_EQ(screen_.MessageLines(),
            (std::vector<std::string>{dir_.File("absent.vse1page") + ": Ошибка открытия файла",
                                      dir_.path().string() + ": Ошибка открытия файла",
                                      path_ + ": Неверный размер файла"}));
  EXPECT_EQ(document_.file_count(), 0);
  // 999 records is the longest file and loads.
  EXPECT_TRUE(Load(LayoutFile(999)));
  EXPECT_EQ(document_.selected_file()->records.size(), 999u);
}

TEST_F(E1PageFileTest, SavingWhereNoFileCanBeMadeNamesTheFileInTheCaption) {
  document_.Append(E1File{});
  document_.Select(0);
  const std::string target = dir_.File("no/such/folder.vse1page");
  EXPECT_FALSE(document_.SavePageTo(screen_, target));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{target + ": Ошибка создания файла"});
  // A folder in the way is never replaced.
  screen_.ClearShown();
  ASSERT_EQ(::mkdir(path_.c_str(), 0700), 0);
  EXPECT_FALSE(document_.SavePageTo(screen_, path_));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{path_ + ": Ошибка создания файла"});
}

TEST_F(E1PageFileTest, DialogsUseTheFilterAndExtension) {
  document_.Append(E1File{});
  document_.Select(0);
  screen_.ChooseFile(path_);
  ASSERT_TRUE(document_.SavePage(screen_));
  screen_.ChooseFile(path_);
  ASSERT_TRUE(document_.LoadPage(screen_));
  ASSERT_EQ(screen_.shown().size(), 2u);
  for (const auto& shown : screen_.shown()) {
    EXPECT_EQ(shown.dialog.default_extension, "vse1page");
    ASSERT_EQ(shown.dialog.filters.size(), 1u);
    EXPECT_EQ(shown.dialog.filters[0].description, "VS-E1 Page Data File(*.vse1page)");
  }
  EXPECT_EQ(screen_.shown()[0].what, "save");
  EXPECT_EQ(screen_.shown()[1].what, "open");
}

}  // namespace
}  // namespace telvane
