#include "cable/cable_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <numeric>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes CpBytes(std::string_view utf8) {
  const std::string cp = Utf8ToCp1251(utf8);
  return Bytes(cp.begin(), cp.end());
}

std::string FileText(const std::string& path) {
  const Bytes bytes = testing::ReadAll(path);
  return Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
}

CableBase BaseWithCables(int count) {
  CableBase base;
  CableBaseHeader::Bytes header;
  std::iota(header.begin(), header.end(), 100);
  base.header = CableBaseHeader(header);
  base.header.set_cable_count(static_cast<uint8_t>(count));
  for (int i = 0; i < count; ++i) {
    CableRecord::Bytes bytes;
    std::iota(bytes.begin(), bytes.end(), static_cast<uint8_t>(i * 31));
    base.cables[static_cast<size_t>(i)] = CableRecord(bytes);
  }
  return base;
}

class CableFilesTest : public ::testing::Test {
 protected:
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("base.bin");
};

TEST_F(CableFilesTest, CableBaseFileIsHeaderThenRecordsAndReadsBack) {
  const CableBase base = BaseWithCables(3);
  ASSERT_TRUE(SaveCableBaseFile(screen_, base, path_));
  Bytes expected(base.header.bytes().begin(), base.header.bytes().end());
  for (int i = 0; i < 3; ++i) {
    const auto& r = base.cables[static_cast<size_t>(i)].bytes();
    expected.insert(expected.end(), r.begin(), r.end());
  }
  EXPECT_EQ(testing::ReadAll(path_), expected);

  CableBase loaded;
  loaded.cables[3].set_name("ОСТАЁТСЯ");
  ASSERT_TRUE(LoadCableBaseFile(screen_, loaded, path_));
  EXPECT_EQ(loaded.header, base.header);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(loaded.cables[static_cast<size_t>(i)], base.cables[i]);
  EXPECT_EQ(loaded.cables[3].name(), "ОСТАЁТСЯ");
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(CableFilesTest, EmptyCableBaseIsTheHeaderAlone) {
  const CableBase base = BaseWithCables(0);
  ASSERT_TRUE(SaveCableBaseFile(screen_, base, path_));
  EXPECT_EQ(testing::ReadAll(path_).size(), 48u);
  CableBase loaded;
  ASSERT_TRUE(LoadCableBaseFile(screen_, loaded, path_));
  EXPECT_EQ(loaded.header, base.header);
}

TEST_F(CableFilesTest, RejectedCableBaseFilesChangeNothing) {
  const CableBase saved = BaseWithCables(2);
  ASSERT_TRUE(SaveCableBaseFile(screen_, saved, path_));
  Bytes bytes = testing::ReadAll(path_);
  const CableBase before = BaseWithCables(1);

  bytes.push_back(0);  // 48 + 262 * 2 + 1
  testing::WriteAll(path_, bytes);
  CableBase base = before;
  EXPECT_FALSE(LoadCableBaseFile(screen_, base, path_));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка: Ошибка формата файла\n\rФайл имеет неправильный размер");

  testing::WriteAll(path_, Bytes(47, 0));
  EXPECT_FALSE(LoadCableBaseFile(screen_, base, path_));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка: Ошибка формата файла");

  EXPECT_FALSE(LoadCableBaseFile(screen_, base, dir_.File("missing")));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка открытия файла: " + dir_.File("missing"));

  EXPECT_EQ(base.header, before.header);
  EXPECT_EQ(base.cables, before.cables);
}

TEST_F(CableFilesTest, FileThatCannotBeCreatedIsReportedWithItsName) {
  const std::string bad = dir_.File("no/such/folder.bin");
  EXPECT_FALSE(SaveCableBaseFile(screen_, BaseWithCables(1), bad));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка создания файла: " + bad});
}

CableTypeTable TwoTypes() {
  CableTypeTable table;
  table.types.resize(2);
  table.types[0].set_name("ТПП");
  table.types[0].set_specific_resistance(1.5f);
  table.types[0].set_temperature_factor(0.004f);
  table.types[1].set_name("ТППЭП 100x2x0.40");  // 16 characters
  table.types[1].set_specific_resistance(28.5f);
  table.types[1].set_temperature_factor(-0.25f);
  return table;
}

TEST_F(CableFilesTest, BinaryTypeFileGoldenBytesAndReadBack) {
  ASSERT_TRUE(SaveCableTypeFile(screen_, TwoTypes(), path_));
  Bytes expected = CpBytes("ТПП");
  expected.resize(16, 0);
  expected.insert(expected.end(), {0x3F, 0xC0, 0x00, 0x00, 0x3B, 0x83, 0x12, 0x6F});
  expected.resize(32, 0);
  const Bytes second = CpBytes("ТППЭП 100x2x0.40");
  expected.insert(expected.end(), second.begin(), second.end());
  expected.insert(expected.end(), {0x41, 0xE4, 0x00, 0x00, 0xBE, 0x80, 0x00, 0x00});
  expected.resize(64, 0);
  EXPECT_EQ(testing::ReadAll(path_), expected);

  CableTypeTable loaded;
  ASSERT_TRUE(LoadCableTypeFile(screen_, loaded, path_));
  ASSERT_EQ(loaded.types.size(), 2u);
  EXPECT_EQ(loaded.current, 2);
  EXPECT_EQ(loaded.types[1].name(), "ТППЭП 100x2x0.40");
  EXPECT_FLOAT_EQ(loaded.types[1].specific_resistance(), 28.5f);
  EXPECT_TRUE(loaded.types[0].selected() && loaded.types[1].selected());
}

TEST_F(CableFilesTest, BinaryTypeFileReadsAtMostOneHundredWholeRecords) {
  testing::WriteAll(path_, Bytes(32 * 101 + 7, 0x41));
  CableTypeTable loaded;
  ASSERT_TRUE(LoadCableTypeFile(screen_, loaded, path_));
  EXPECT_EQ(loaded.types.size(), 100u);
  testing::WriteAll(path_, Bytes(31, 0x41));
  ASSERT_TRUE(LoadCableTypeFile(screen_, loaded, path_));
  EXPECT_TRUE(loaded.types.empty());

  EXPECT_FALSE(LoadCableTypeFile(screen_, loaded, dir_.File("missing")));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка создания файла: " + dir_.File("missing"));
}

TEST_F(CableFilesTest, TextTypeFileGoldenAndReadBack) {
  ASSERT_TRUE(SaveCableTypeText(screen_, TwoTypes(), path_));
  EXPECT_EQ(FileText(path_),
            "Тип кабеля      |Удел. сопр.  |Темп. коэф.  \r\n"
            "ТПП             |1.5          |0.004        \r\n"
            "ТППЭП 100x2x0.40|28.5         |-0.25        \r\n");
  CableTypeTable loaded;
  ASSERT_TRUE(LoadCableTypeText(screen_, loaded, path_));
  ASSERT_EQ(loaded.types.size(), 2u);
  EXPECT_EQ(loaded.current, 2);
  // The padding of the name column is part of the name as written.
  EXPECT_EQ(loaded.types[0].name(), "ТПП             ");
  EXPECT_EQ(loaded.types[1].name(), "ТППЭП 100x2x0.40");
  EXPECT_FLOAT_EQ(loaded.types[1].temperature_factor(), -0.25f);
  EXPECT_TRUE(loaded.types[1].selected());
}

TEST_F(CableFilesTest, EmptyTypeTableInBothForms) {
  CableTypeTable empty;
  empty.types.clear();
  ASSERT_TRUE(SaveCableTypeText(screen_, empty, path_));
  EXPECT_EQ(FileText(path_), "Тип кабеля      |Удел. сопр.  |Темп. коэф.  \r\n");
  CableTypeTable loaded = TwoTypes();
  ASSERT_TRUE(LoadCableTypeText(screen_, loaded, path_));
  EXPECT_TRUE(loaded.types.empty());

  ASSERT_TRUE(SaveCableTypeFile(screen_, empty, path_));
  EXPECT_TRUE(testing::ReadAll(path_).empty());
}

TEST_F(CableFilesTest, TextTypeNameLongerThanSixteenIsCut) {
  const Bytes text = CpBytes("title\r\nОЧЕНЬ ДЛИННОЕ ИМЯ ТИПА|12.25|0.5\r\n");
  testing::WriteAll(path_, text);
  CableTypeTable loaded;
  ASSERT_TRUE(LoadCableTypeText(screen_, loaded, path_));
  ASSERT_EQ(loaded.types.size(), 1u);
  EXPECT_EQ(loaded.types[0].name(), "ОЧЕНЬ ДЛИННОЕ ИМ");
  EXPECT_FLOAT_EQ(loaded.types[0].specific_resistance(), 12.25f);
  EXPECT_FLOAT_EQ(loaded.types[0].temperature_factor(), 0.5f);
}

TEST_F(CableFilesTest, RejectedTextTypeFilesChangeNothing) {
  const CableTypeTable before = TwoTypes();
  CableTypeTable table = before;
  auto rejects = [&](const std::string& content, const std::string& message) {
    testing::WriteAll(path_, CpBytes(content));
    EXPECT_FALSE(LoadCableTypeText(screen_, table, path_));
    EXPECT_EQ(screen_.MessageLines().back(), "Ошибка: " + message);
    EXPECT_EQ(table.types, before.types);
  };
  rejects("no line end", "Неверный форомат данных");
  rejects("title\r\nА|1|2\r\nБ|1|2", "Неверный форомат данных");
  std::string many = "title\r\n";
  for (int i = 0; i < 101; ++i) many += "T|1|2\r\n";
  rejects(many, "Слишком много данных");
  many.resize(many.size() - 7);  // exactly 100 records fit
  testing::WriteAll(path_, CpBytes(many));
  EXPECT_TRUE(LoadCableTypeText(screen_, table, path_));
  EXPECT_EQ(table.types.size(), 100u);
}

// Runs `load` and fails the test when it does not return within five
// seconds; a load stuck on a FIFO is then released by opening its writing end.
bool LoadsWithinSeconds(const std::string& fifo, const std::function<bool()>& load) {
  auto result = std::async(std::launch::async, load);
  if (result.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return result.get();
  ADD_FAILURE() << "the load waited on " << fifo;
  const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  result.wait();
  if (writer >= 0) ::close(writer);
  return result.get();
}

// Only regular files are read, and never more than the format can use: a FIFO
// or a device is refused at once with the format's open-failure message, and
// a 300 MB file is refused or cut from its size without reading it whole.
TEST_F(CableFilesTest, ReadsAreBoundedAndRefuseWhatIsNotARegularFile) {
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  CableBase base = BaseWithCables(1);
  CableTypeTable table = TwoTypes();
  for (const std::string& path : {fifo, std::string("/dev/zero")}) {
    screen_.ClearShown();
    EXPECT_FALSE(LoadsWithinSeconds(fifo, [&] { return LoadCableBaseFile(screen_, base, path); }));
    EXPECT_FALSE(LoadsWithinSeconds(fifo, [&] { return LoadCableTypeFile(screen_, table, path); }));
    EXPECT_FALSE(LoadsWithinSeconds(fifo, [&] { return LoadCableTypeText(screen_, table, path); }));
    EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Ошибка открытия файла: " + path,
                                                                "Ошибка создания файла: " + path,
                                                                "Ошибка открытия файла: " + path}));
  }
  EXPECT_EQ(base.header.cable_count(), 1);
  EXPECT_EQ(table.types, TwoTypes().types);

  // Sparse files: their size costs nothing to make, reading them whole would.
  const std::string big = dir_.File("big");
  auto sized = [&](uint64_t size) {
    const int fd = ::open(big.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
    ::close(fd);
  };
  const auto start = std::chrono::steady_clock::now();
  for (const uint64_t size : {uint64_t{300} << 20, uint64_t{48 + 262 * 256}}) {
    sized(size);
    screen_.ClearShown();
    EXPECT_FALSE(LoadCableBaseFile(screen_, base, big));
    EXPECT_EQ(screen_.MessageLines(),
              std::vector<std::string>{"Ошибка: Ошибка формата файла\n\rФайл имеет неправильный "
                                       "размер"});
  }
  sized(uint64_t{300} << 20);
  ASSERT_TRUE(LoadCableTypeFile(screen_, table, big));
  EXPECT_EQ(table.types.size(), 100u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

  // 255 cables, the most a header can count, are still read.
  const CableBase full = BaseWithCables(255);
  ASSERT_TRUE(SaveCableBaseFile(screen_, full, path_));
  CableBase loaded;
  ASSERT_TRUE(LoadCableBaseFile(screen_, loaded, path_));
  EXPECT_EQ(loaded.cables[254].bytes(), full.cables[254].bytes());
}

// The text type file is read in pieces: a title line whose CR LF falls across
// the boundary of two pieces still ends where it should.
TEST_F(CableFilesTest, TextTypeFileLongerThanOnePiece) {
  std::string text(65535, 'x');
  text += "\r\nA|1.5|2\r\n";
  text += std::string(70000, 'y') + "|3|4\r\n";
  testing::WriteAll(path_, Bytes(text.begin(), text.end()));
  CableTypeTable loaded;
  ASSERT_TRUE(LoadCableTypeText(screen_, loaded, path_));
  ASSERT_EQ(loaded.types.size(), 2u);
  EXPECT_EQ(loaded.types[0].name(), "A");
  EXPECT_FLOAT_EQ(loaded.types[0].specific_resistance(), 1.5f);
  EXPECT_EQ(loaded.types[1].name(), std::string(16, 'y'));
  EXPECT_FLOAT_EQ(loaded.types[1].temperature_factor(), 4.0f);
}

TEST_F(CableFilesTest, CableBaseReportLayout) {
  CableBase base;
  base.header.set_cable_count(2);
  base.header.set_max_cables(50);
  base.header.set_pair_count(1200);
  base.header.set_max_pairs(4000000000u);
  CableRecord& a = base.cables[0];
  a.set_name("КАБЕЛЬ 1");
  a.set_pair_count(100);
  a.set_temperature(20.5f);
  a.set_notebook_line(0, "ЛИНИЯ 1");
  a.set_notebook_line(1, "СТРОКА 2");
  CableSection s;
  s.set_length(250);
  s.set_core_diameter(0.4f);
  a.set_section(4, s);
  base.cables[1].set_name("Б");

  const std::string report = CableBaseReport(base);
  ASSERT_TRUE(SaveCableBaseReport(screen_, base, path_));
  EXPECT_EQ(testing::ReadAll(path_), Bytes(report.begin(), report.end()));

  const std::string text = Cp1251ToUtf8(report);
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  const std::string pad20(19, ' ');
  ASSERT_EQ(lines.size(), 5u + 8u + 6u + 5u * 6u);
  EXPECT_EQ(lines[0], "Текущее количество кабелей    |2" + pad20 + "|");
  EXPECT_EQ(lines[1], "Максимальное кол-во кабелей   |50" + std::string(18, ' ') + "|");
  EXPECT_EQ(lines[2], "Текущее количество пар        |1200" + std::string(16, ' ') + "|");
  EXPECT_EQ(lines[3], "Максимальное кол-во пар       |4000000000" + std::string(10, ' ') + "|");
  EXPECT_EQ(lines[4], std::string(51, '-') + "|");
  EXPECT_EQ(lines[5], "Наименование кабеля           |КАБЕЛЬ 1            |Б" + pad20 + "|");
  EXPECT_EQ(lines[7],
            "Количество пар                |100" + std::string(17, ' ') + "|0" + pad20 + "|");
  EXPECT_EQ(lines[10],
            "Температура                   |20.5" + std::string(16, ' ') + "|0" + pad20 + "|");
  EXPECT_EQ(lines[13],
            "Блокнот измерителя            |ЛИНИЯ 1             |" + std::string(20, ' ') + "|");
  EXPECT_EQ(lines[14],
            std::string(30, ' ') + "|СТРОКА 2            |" + std::string(20, ' ') + "|");
  EXPECT_EQ(lines[19], "Участок 1" + std::string(21, ' ') + "|");
  EXPECT_EQ(lines[20], "              Длина участка, М|0" + pad20 + "|0" + pad20 + "|");
  // All five sections are written whatever the section count.
  EXPECT_EQ(lines[43], "Участок 5" + std::string(21, ' ') + "|");
  EXPECT_EQ(lines[44],
            "              Длина участка, М|250" + std::string(17, ' ') + "|0" + pad20 + "|");
  EXPECT_EQ(lines[45],
            "              Диаметр жилы, мм|0.4" + std::string(17, ' ') + "|0" + pad20 + "|");
  EXPECT_EQ(lines[48], "                           ТКС|0" + pad20 + "|0" + pad20 + "|");
}

}  // namespace
}  // namespace telvane
