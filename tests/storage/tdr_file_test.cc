#include "storage/trace/tdr_file.h"

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

ReflectogramRecord TdrRecord(RecordForm form) {
  ReflectogramRecord r = SampleRecord(form);
  TraceSettings s = r.settings();
  s.imp = 1000;
  r.set_settings(s);
  return r;
}

class TdrFileTest : public ::testing::Test {
 protected:
  Bytes Write(TracePage page, int firmware, const ReflectogramRecord& record) {
    EXPECT_TRUE(WriteTdr(screen_, path_, page, firmware, SampleBlock(record.form()), record));
    return testing::ReadAll(path_);
  }
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("trace.tdr");
};

TEST_F(TdrFileTest, HeaderAndSamples) {
  const Bytes file = Write(TracePage::kOlder, 0, TdrRecord(RecordForm::kCompact));
  ASSERT_EQ(file.size(), 144u + 128);
  Bytes header = {12, ' ', ' ', ' ', ' ', 0xCA, 0xC0, 0xC1, 0xC5, 0xCB, 0xDC, 0x20, 0x31, 0, 0};
  header.insert(header.end(), 13, 0xFF);
  const Bytes rest = {
      0xF4, 0x01,  // 1.5 * 1000 - 1000 = 500
      0x00, 0x01,  // 65535 - (255996 - 1000) * 0.256 = 256.02
      0x00, 0xC6,  // 0xC600
      19,          // 1000 * 1.5 * 655.35 = 983025 lies in [2^19, 2^20)
      2,           // stretch 4
      16,          // averaging
      0xFF, 0xFF,
      8,  // 50 dB / 6
  };
  header.insert(header.end(), rest.begin(), rest.end());
  header.insert(header.end(), 104, 0);
  EXPECT_EQ(Slice(file, 0, 144), header);
  EXPECT_EQ(file[144], 252);  // sample 0
  EXPECT_EQ(file[145], 248);  // sample 1
  EXPECT_EQ(file[144 + 63], 0);
  EXPECT_EQ(file[144 + 127], 0);
}

TEST_F(TdrFileTest, NewerPageWrites160SamplesWithTheExponentLeftAt0) {
  Bytes file = Write(TracePage::kNewer, 8025, TdrRecord(RecordForm::kExtended));
  EXPECT_EQ(file.size(), 144u + 160);
  EXPECT_EQ(file[80], 0);
  EXPECT_EQ(file[144 + 159], 252 - 4 * (159 % 64));
  file = Write(TracePage::kNewer, 8024, TdrRecord(RecordForm::kExtended));
  EXPECT_EQ(file.size(), 144u + 128);
}

TEST_F(TdrFileTest, NegativeGainAndLongNames) {
  ReflectogramRecord r = TdrRecord(RecordForm::kExtended);
  r.set_name("ИМЯ ДЛИННЕЕ ДВЕНАДЦАТИ");
  TraceSettings s = r.settings();
  s.db = -12;
  r.set_settings(s);
  const Bytes file = Write(TracePage::kNewer, 8000, r);
  EXPECT_EQ(Slice(file, 1, 12),
            (Bytes{0xC8, 0xCC, 0xDF, 0x20, 0xC4, 0xCB, 0xC8, 0xCD, 0xCD, 0xC5, 0xC5, 0x20}));
  EXPECT_EQ(file[39], 0xFE);
}

TEST(TdrExponent, Boundaries) {
  EXPECT_EQ(TdrExponent(0.0), 0);
  EXPECT_EQ(TdrExponent(1.99), 0);
  EXPECT_EQ(TdrExponent(2.0), 1);
  EXPECT_EQ(TdrExponent(3.99), 1);
  EXPECT_EQ(TdrExponent(4.0), 2);
  EXPECT_EQ(TdrExponent(65535.0), 15);
  EXPECT_EQ(TdrExponent(65536.0), 16);
  EXPECT_EQ(TdrExponent(1.0 / 0.0), 255);
}

TEST_F(TdrFileTest, ReadBack) {
  Write(TracePage::kOlder, 0, TdrRecord(RecordForm::kCompact));
  CableBlock block = SampleBlock(RecordForm::kCompact);
  block.set_velocity_factor(9.0f);
  ReflectogramRecord record(RecordForm::kCompact);
  ASSERT_TRUE(ReadTdr(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(record.name(), "    КАБЕЛЬ 1");
  const TraceSettings s = record.settings();
  EXPECT_EQ(s.imp, 999);  // (256 - 65535) * 3.906248569 + 255996 = 999.9997
  EXPECT_EQ(s.offset, 0xC600);
  EXPECT_EQ(s.diap, 800);  // 2^19 * 0.0015259024
  EXPECT_EQ(s.rast, 4);
  EXPECT_EQ(s.middl, 16);
  EXPECT_EQ(s.db, 48);
  EXPECT_EQ(block.velocity_factor(), 1.5f);
  EXPECT_EQ(block.section(1).length, 250.0f);  // the rest of the block stays
  for (int i = 0; i < 128; ++i) EXPECT_EQ(record.sample(i), i % 64) << i;
}

TEST_F(TdrFileTest, SampleBytesBetweenSteps) {
  Bytes file = Write(TracePage::kOlder, 0, TdrRecord(RecordForm::kCompact));
  file[144] = 255;  // 63 - 63
  file[145] = 3;    // 63 - 0
  file[146] = 130;  // 63 - 32
  testing::WriteAll(path_, file);
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord record(RecordForm::kCompact);
  ASSERT_TRUE(ReadTdr(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_EQ(record.sample(0), 0);
  EXPECT_EQ(record.sample(1), 63);
  EXPECT_EQ(record.sample(2), 31);
}

TEST_F(TdrFileTest, SampleExponentBeyondTheRecordWarnsAndReadsTheFirst) {
  Bytes file = Write(TracePage::kNewer, 8025, TdrRecord(RecordForm::kExtended));
  for (uint8_t exponent : {1, 30, 255}) {
    file[80] = exponent;
    testing::WriteAll(path_, file);
    CableBlock block(RecordForm::kExtended);
    ReflectogramRecord record(RecordForm::kExtended);
    screen_.ClearShown();
    ASSERT_TRUE(ReadTdr(screen_, path_, TracePage::kNewer, 8025, block, record)) << +exponent;
    EXPECT_EQ(screen_.MessageLines(),
              std::vector<std::string>{
                  "Предупреждение: Потеря данных.\r\nКоличество точек больше возможного."});
    EXPECT_EQ(record.sample(159), 159 % 64);
  }
}

TEST_F(TdrFileTest, TruncatedFilesAndOversizedNameLength) {
  const Bytes good = Write(TracePage::kOlder, 0, TdrRecord(RecordForm::kCompact));
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord record = SampleRecord(RecordForm::kCompact);
  testing::WriteAll(path_, Slice(good, 0, 143));
  EXPECT_FALSE(ReadTdr(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка чтения из файла: " + path_);
  EXPECT_EQ(record, ReflectogramRecord(RecordForm::kCompact));

  testing::WriteAll(path_, Slice(good, 0, 144 + 127));
  record = SampleRecord(RecordForm::kCompact);
  EXPECT_FALSE(ReadTdr(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка чтения файла: " + path_);
  EXPECT_EQ(record, ReflectogramRecord(RecordForm::kCompact));

  Bytes bad = good;
  bad[0] = 200;  // a name length far past the 12-byte name field
  testing::WriteAll(path_, bad);
  ASSERT_TRUE(ReadTdr(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_EQ(record.name(), "    КАБЕЛЬ 1");
}

}  // namespace
}  // namespace telvane
