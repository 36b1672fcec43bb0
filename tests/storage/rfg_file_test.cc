#include "storage/trace/rfg_file.h"

#include <gtest/gtest.h>

#include "storage/trace_samples.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::SampleBlock;
using testing::SampleRecord;

Bytes Slice(const Bytes& b, size_t at, size_t n) {
  return Bytes(b.begin() + at, b.begin() + at + n);
}
Bytes ToBytes(std::span<const uint8_t> s) { return Bytes(s.begin(), s.end()); }

class RfgFileTest : public ::testing::Test {
 protected:
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("trace.rfg");
};

TEST_F(RfgFileTest, Version11IsVersionBlockAndRecord) {
  ASSERT_TRUE(WriteRfgOlder(screen_, path_, SampleBlock(RecordForm::kCompact),
                            SampleRecord(RecordForm::kCompact)));
  const Bytes file = testing::ReadAll(path_);
  ASSERT_EQ(file.size(), 520u);
  EXPECT_EQ(Slice(file, 0, 4), (Bytes{0xCD, 0xCC, 0x8C, 0x3F}));  // 1.1f
  EXPECT_EQ(Slice(file, 4, 343), ToBytes(SampleBlock(RecordForm::kCompact).bytes()));
  EXPECT_EQ(Slice(file, 347, 173), ToBytes(SampleRecord(RecordForm::kCompact).bytes()));
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(RfgFileTest, NewerPageVersionsByFirmware) {
  ReflectogramRecord record = SampleRecord(RecordForm::kExtended);
  record.set_name("ДЛИННОЕ ИМЯ РЕФЛЕКТОГРАММЫ 1");  // 28 characters
  record.set_coordination(160, 7.0f);
  const CableBlock block = SampleBlock(RecordForm::kExtended);
  const Bytes name = {0xC4, 0xCB, 0xC8, 0xCD, 0xCD, 0xCE, 0xC5, 0x20, 0xC8, 0xCC,
                      0xDF, 0x20, 0xD0, 0xC5, 0xD4, 0xCB, 0xC5, 0xCA, 0xD2, 0xCE,
                      0xC3, 0xD0, 0xC0, 0xCC, 0xCC, 0xDB, 0x20, 0x31, 0x00};

  ASSERT_TRUE(WriteRfgNewer(screen_, path_, block, record, 8025));
  Bytes file = testing::ReadAll(path_);
  ASSERT_EQ(file.size(), 4u + 435 + 233 + 4 + 29);
  EXPECT_EQ(Slice(file, 0, 4), testing::LeFloat(4.0f));
  EXPECT_EQ(Slice(file, 4, 435), ToBytes(block.bytes()));
  EXPECT_EQ(Slice(file, 439, 233), ToBytes(record.bytes()));
  EXPECT_EQ(Slice(file, 672, 4), (Bytes{29, 0, 0, 0}));
  EXPECT_EQ(Slice(file, 676, 29), name);

  ASSERT_TRUE(WriteRfgNewer(screen_, path_, block, record, 8007));
  file = testing::ReadAll(path_);
  ASSERT_EQ(file.size(), 4u + 435 + 201 + 4 + 29);
  EXPECT_EQ(Slice(file, 0, 4), testing::LeFloat(3.0f));
  EXPECT_EQ(Slice(file, 439, 201), Slice(ToBytes(record.bytes()), 0, 201));

  ASSERT_TRUE(WriteRfgNewer(screen_, path_, block, record, 8006));
  file = testing::ReadAll(path_);
  ASSERT_EQ(file.size(), 4u + 343 + 173 + 4 + 29);
  EXPECT_EQ(Slice(file, 0, 4), (Bytes{0x9A, 0x99, 0x99, 0x3F}));  // 1.2f
  EXPECT_EQ(Slice(file, 4, 343), ToBytes(SampleBlock(RecordForm::kCompact).bytes()));
  // The name cut to 16 characters, the rest of its field zero.
  EXPECT_EQ(Slice(file, 347, 16), Slice(name, 0, 16));
  EXPECT_EQ(file[347 + 16], 0);
  EXPECT_EQ(Slice(file, 364, 28), Slice(ToBytes(record.bytes()), 41, 28));
  EXPECT_EQ(Slice(file, 520, 4), (Bytes{29, 0, 0, 0}));
  EXPECT_EQ(Slice(file, 524, 29), name);
}

TEST_F(RfgFileTest, OlderPageReadsVersion11OfExactly520BytesAnd12OfAnySize) {
  ASSERT_TRUE(WriteRfgOlder(screen_, path_, SampleBlock(RecordForm::kCompact),
                            SampleRecord(RecordForm::kCompact)));
  CableBlock block;
  ReflectogramRecord record;
  ASSERT_TRUE(ReadRfgOlder(screen_, path_, block, record));
  EXPECT_EQ(block, SampleBlock(RecordForm::kCompact));
  EXPECT_EQ(record, SampleRecord(RecordForm::kCompact));

  Bytes file = testing::ReadAll(path_);
  file.push_back(0);
  testing::WriteAll(path_, file);
  CableBlock untouched_block = block;
  EXPECT_FALSE(ReadRfgOlder(screen_, path_, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Неверный формат файла: " + path_);
  EXPECT_EQ(block, untouched_block);

  // A 1.2 file written by the newer page, with its trailing full name.
  ASSERT_TRUE(WriteRfgNewer(screen_, path_, SampleBlock(RecordForm::kExtended),
                            SampleRecord(RecordForm::kExtended), 8000));
  ASSERT_TRUE(ReadRfgOlder(screen_, path_, block, record));
  EXPECT_EQ(record, SampleRecord(RecordForm::kCompact));
  EXPECT_EQ(block, SampleBlock(RecordForm::kCompact));

  WriteRfg(screen_, path_, RfgVersion::k40, SampleBlock(RecordForm::kExtended),
           SampleRecord(RecordForm::kExtended));
  EXPECT_FALSE(ReadRfgOlder(screen_, path_, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Неверный формат файла: " + path_);
}

TEST_F(RfgFileTest, NewerPageReadsEveryVersion) {
  ReflectogramRecord record = SampleRecord(RecordForm::kExtended);
  record.set_coordination(160, 7.0f);
  const CableBlock block = SampleBlock(RecordForm::kExtended);
  CableBlock read_block(RecordForm::kExtended);
  ReflectogramRecord read(RecordForm::kExtended);

  ASSERT_TRUE(WriteRfgNewer(screen_, path_, block, record, 8025));
  ASSERT_TRUE(ReadRfgNewer(screen_, path_, 8025, read_block, read));
  EXPECT_EQ(read, record);
  EXPECT_EQ(read_block, block);

  // 3.0 holds 201 bytes; read with firmware 8.025 only 197 of them are taken.
  record.set_coordination(128, 5.0f);
  ASSERT_TRUE(WriteRfgNewer(screen_, path_, block, record, 8010));
  ASSERT_TRUE(ReadRfgNewer(screen_, path_, 8010, read_block, read));
  EXPECT_EQ(ToBytes(read.bytes()).size(), 233u);
  EXPECT_EQ(Slice(ToBytes(read.bytes()), 0, 201), Slice(ToBytes(record.bytes()), 0, 201));
  EXPECT_EQ(Slice(ToBytes(read.bytes()), 201, 32), Bytes(32, 0));
  ASSERT_TRUE(ReadRfgNewer(screen_, path_, 8025, read_block, read));
  EXPECT_EQ(read.coordination(128), 0.0f);
  EXPECT_EQ(Slice(ToBytes(read.bytes()), 0, 197), Slice(ToBytes(record.bytes()), 0, 197));

  // 1.1 is converted into the extended forms; the target block keeps the bytes
  // that the compact block has no room for.
  ASSERT_TRUE(WriteRfgOlder(screen_, path_, SampleBlock(RecordForm::kCompact),
                            SampleRecord(RecordForm::kCompact)));
  CableBlock target(RecordForm::kExtended);
  target.set_pair_count(99);
  ASSERT_TRUE(ReadRfgNewer(screen_, path_, 8025, target, read));
  EXPECT_EQ(target.pair_count(), 99);
  EXPECT_EQ(target.section(1).length, 250.0f);
  EXPECT_EQ(read, ToExtended(SampleRecord(RecordForm::kCompact)));
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(RfgFileTest, Version20IsReadButNeverWrittenByThePages) {
  Bytes file = testing::LeFloat(2.0f);
  const CableBlock block = SampleBlock(RecordForm::kExtended);
  const ReflectogramRecord record = SampleRecord(RecordForm::kExtended);
  file.insert(file.end(), block.bytes().begin(), block.bytes().end());
  file.insert(file.end(), record.bytes().begin(), record.bytes().begin() + 201);
  testing::WriteAll(path_, file);
  CableBlock read_block(RecordForm::kExtended);
  ReflectogramRecord read(RecordForm::kExtended);
  ASSERT_TRUE(ReadRfgNewer(screen_, path_, 8007, read_block, read));
  EXPECT_EQ(Slice(ToBytes(read.bytes()), 0, 201), Slice(ToBytes(record.bytes()), 0, 201));
  ASSERT_TRUE(ReadRfgNewer(screen_, path_, 8000, read_block, read));
  EXPECT_EQ(Slice(ToBytes(read.bytes()), 197, 4), Bytes(4, 0));
}

TEST_F(RfgFileTest, UnknownVersionsAndShortFiles) {
  CableBlock block(RecordForm::kExtended);
  ReflectogramRecord record(RecordForm::kExtended);
  testing::WriteAll(path_, testing::LeFloat(5.0f));
  EXPECT_FALSE(ReadRfgNewer(screen_, path_, 8025, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Неизвестный формат хранения РФГ!: " + path_);

  ASSERT_TRUE(WriteRfgNewer(screen_, path_, SampleBlock(RecordForm::kExtended),
                            SampleRecord(RecordForm::kExtended), 8025));
  Bytes file = testing::ReadAll(path_);
  file.resize(4 + 435 + 100);
  testing::WriteAll(path_, file);
  EXPECT_FALSE(ReadRfgNewer(screen_, path_, 8025, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка чтения файла: " + path_);
  EXPECT_EQ(record, ReflectogramRecord(RecordForm::kExtended));  // left as it was

  testing::WriteAll(path_, {0xCD, 0xCC});
  EXPECT_FALSE(ReadRfgNewer(screen_, path_, 8025, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка чтения файла: " + path_);
  // Older page: a 1.2 header with too few bytes behind it.
  Bytes short12 = testing::LeFloat(1.2f);
  short12.resize(300);
  testing::WriteAll(path_, short12);
  CableBlock compact_block;
  ReflectogramRecord compact;
  EXPECT_FALSE(ReadRfgOlder(screen_, path_, compact_block, compact));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка чтения файла: " + path_);

  EXPECT_FALSE(ReadRfgOlder(screen_, dir_.File("missing.rfg"), compact_block, compact));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка открытия файла: " + dir_.File("missing.rfg"));
  EXPECT_FALSE(WriteRfgOlder(screen_, dir_.File("no/such/dir.rfg"), compact_block, compact));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка создания файла: " + dir_.File("no/such/dir.rfg"));
  for (const auto& m : screen_.messages()) EXPECT_EQ(m.icon, Icon::kError);
}

}  // namespace
}  // namespace telvane
