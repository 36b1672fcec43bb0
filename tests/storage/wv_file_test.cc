#include "storage/trace/wv_file.h"

#include <gtest/gtest.h>

#include "storage/trace_samples.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Le16;
using testing::Le32;
using testing::LeFloat;
using testing::SampleBlock;
using testing::SampleRecord;

Bytes Slice(const Bytes& b, size_t at, size_t n) {
  return Bytes(b.begin() + at, b.begin() + at + n);
}
uint16_t Word(const Bytes& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }

class WvFileTest : public ::testing::Test {
 protected:
  Bytes WriteSample(TracePage page, int firmware, const ReflectogramRecord& record) {
    EXPECT_TRUE(WriteWv(screen_, path_, page, firmware, SampleBlock(record.form()), record));
    return testing::ReadAll(path_);
  }
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("trace.wv");
};

TEST_F(WvFileTest, HeaderWordByWord) {
  const Bytes file = WriteSample(TracePage::kOlder, 0, SampleRecord(RecordForm::kCompact));
  ASSERT_EQ(file.size(), 123u + 256 + 2 + 10 + 10 + 8);
  EXPECT_EQ(Word(file, 0), 10);
  EXPECT_EQ(Slice(file, 2, 10), (Bytes{'L', 'I', 'N', 'E', '-', 'S', 'C', 'A', 'N', 0}));
  EXPECT_EQ(Word(file, 12), 8);
  EXPECT_EQ(Word(file, 14), 15);
  EXPECT_EQ(Word(file, 16), 2);
  EXPECT_EQ(Word(file, 18), 1);
  EXPECT_EQ(Word(file, 20), 5);
  EXPECT_EQ(Slice(file, 22, 5), (Bytes{0x38, 0x2E, 0x30, 0x30, 0x30}));
  EXPECT_EQ(Word(file, 27), 1);
  EXPECT_EQ(Word(file, 29), 2);
  EXPECT_EQ(Word(file, 31), 3);
  EXPECT_EQ(Word(file, 33), 1);
  EXPECT_EQ(Slice(file, 35, 4), (Bytes{0x55, 0x55, 0x85, 0x42}));  // 100 / 1.5
  EXPECT_EQ(Slice(file, 39, 8), Bytes(8, 0));
  EXPECT_EQ(Word(file, 47), 4);    // stretch
  EXPECT_EQ(Word(file, 49), 100);  // 50 dB -> 10^2
  EXPECT_EQ(Slice(file, 51, 4), Le32(48330));
  EXPECT_EQ(Slice(file, 55, 4), Le32(30721));
  EXPECT_EQ(Slice(file, 59, 4), (Bytes{0xFB, 0xFF, 0xFF, 0xFF}));  // -5
  EXPECT_EQ(Slice(file, 63, 4), Le32(300));
  EXPECT_EQ(Slice(file, 67, 4), LeFloat(0.0f));
  EXPECT_EQ(Word(file, 71), 1);
  EXPECT_EQ(Word(file, 73), 195);  // (1000 / 4) * 1.5 / 128 * 66.8
  EXPECT_EQ(Word(file, 75), 9);    // 3 ns
  EXPECT_EQ(Word(file, 77), 9);
  EXPECT_EQ(Word(file, 79), 1);
  EXPECT_EQ(Slice(file, 81, 4), (Bytes{0x55, 0x55, 0x85, 0x42}));
  EXPECT_EQ(Slice(file, 85, 10), Bytes(10, 0));
  EXPECT_EQ(Word(file, 95), 4);
  EXPECT_EQ(Word(file, 97), 2);
  EXPECT_EQ(Word(file, 99), 154);
  EXPECT_EQ(Slice(file, 101, 18), Bytes(18, 0));
  EXPECT_EQ(Word(file, 119), 4);
  EXPECT_EQ(Word(file, 121), 128);
  // Samples 0, 1, ..., 63, 0, ...: 0x3F00 - sample * 256.
  EXPECT_EQ(Word(file, 123), 0x3F00);
  EXPECT_EQ(Word(file, 125), 0x3E00);
  EXPECT_EQ(Word(file, 123 + 2 * 63), 0x0000);
  EXPECT_EQ(Word(file, 123 + 2 * 127), 0x3F00 - 63 * 256);
  EXPECT_EQ(Slice(file, 379, 2), (Bytes{5, 0}));
  EXPECT_EQ(Slice(file, 381, 10), (Bytes{8, 0, 0xCA, 0xC0, 0xC1, 0xC5, 0xCB, 0xDC, 0x20, 0x31}));
  EXPECT_EQ(Slice(file, 391, 10), (Bytes{8, 0, '0', '9', '.', '1', '2', '.', '2', '6'}));
  EXPECT_EQ(Slice(file, 401, 8), Bytes(8, 0));
}

TEST_F(WvFileTest, NewerPageWritesWord11AndSamplesByFirmware) {
  Bytes file = WriteSample(TracePage::kNewer, 8025, SampleRecord(RecordForm::kExtended));
  EXPECT_EQ(Word(file, 0), 11);
  EXPECT_EQ(Word(file, 121), 160);
  EXPECT_EQ(Word(file, 73), 156);  // 250 * 1.5 / 160 * 66.8
  EXPECT_EQ(Word(file, 123 + 2 * 159), 0x3F00 - (159 % 64) * 256);
  EXPECT_EQ(file.size(), 123u + 320 + 2 + 10 + 10 + 8);
  file = WriteSample(TracePage::kNewer, 8024, SampleRecord(RecordForm::kExtended));
  EXPECT_EQ(Word(file, 121), 128);
}

TEST_F(WvFileTest, StretchGainAndPulseLimits) {
  struct Case {
    uint16_t rast;
    int16_t db;
    uint16_t imp;
    uint16_t want_rast, want_gain, want_pulse;
  };
  const Case cases[] = {
      {0, 50, 3, 1, 100, 9},     {20000, 60, 4500, 8192, 256, 7}, {8192, 0, 2, 8192, 1, 1},
      {1, -40, 10001, 1, 1, 11}, {5, 19, 10000, 5, 1, 14},        {5, 20, 1000, 5, 10, 4},
  };
  for (const Case& c : cases) {
    ReflectogramRecord r = SampleRecord(RecordForm::kCompact);
    TraceSettings s = r.settings();
    s.rast = c.rast;
    s.db = c.db;
    s.imp = c.imp;
    r.set_settings(s);
    const Bytes file = WriteSample(TracePage::kOlder, 0, r);
    EXPECT_EQ(Word(file, 47), c.want_rast) << c.rast;
    EXPECT_EQ(Word(file, 95), c.want_rast) << c.rast;
    EXPECT_EQ(Word(file, 49), c.want_gain) << c.db;
    EXPECT_EQ(Word(file, 75), c.want_pulse) << c.imp;
  }
}

TEST(WvPulse, InverseTable) {
  const std::pair<uint16_t, uint16_t> rows[] = {
      {1, 2},      {9, 5},     {2, 10},     {16, 25},    {10, 50},   {3, 100},  {13, 500},
      {4, 1000},   {18, 1500}, {5, 2000},   {6, 4000},   {19, 4400}, {7, 6000}, {17, 8000},
      {14, 10000}, {8, 0},     {11, 65535}, {12, 65535}, {0, 0},     {20, 0}};
  for (auto [code, width] : rows) EXPECT_EQ(WvPulseWidth(code), width) << code;
}

TEST_F(WvFileTest, ReadBack) {
  ASSERT_TRUE(WriteWv(screen_, path_, TracePage::kOlder, 0, SampleBlock(RecordForm::kCompact),
                      SampleRecord(RecordForm::kCompact)));
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord record(RecordForm::kCompact);
  ASSERT_TRUE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(record.name(), "КАБЕЛЬ 1");
  EXPECT_EQ(record.day(), 9);
  EXPECT_EQ(record.month(), 12);
  EXPECT_EQ(record.year(), 26);
  const TraceSettings s = record.settings();
  EXPECT_EQ(s.rast, 4);
  EXPECT_EQ(s.db, 40);  // the gain factor 100 read back
  EXPECT_EQ(s.curs1, -5);
  EXPECT_EQ(s.curs2, 300);
  EXPECT_EQ(s.imp, 5);     // code 9 stands for 5 ns
  EXPECT_EQ(s.diap, 249);  // 195 * 0.1497006 * 0.1 * 128 / 1.5
  EXPECT_EQ(s.offset, 0);
  EXPECT_EQ(block.velocity_factor(), 1.5f);
  for (int i = 0; i < 128; ++i) EXPECT_EQ(record.sample(i), i % 64) << i;
}

TEST_F(WvFileTest, SamplesAreScaledToTheLargest) {
  // Samples 32..63 only: high bytes 31..0, so the largest is 31 and the
  // divisor is 1.
  ReflectogramRecord r = SampleRecord(RecordForm::kCompact);
  for (int i = 0; i < 128; ++i) r.set_sample(i, static_cast<uint8_t>(32 + i % 32));
  WriteSample(TracePage::kOlder, 0, r);
  Bytes file = testing::ReadAll(path_);
  // A word with high byte 126 makes the divisor 2.
  file[123 + 1] = 126;
  testing::WriteAll(path_, file);
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord read(RecordForm::kCompact);
  ASSERT_TRUE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, read));
  EXPECT_EQ(read.sample(0), 0);        // 63 - 126 / 2
  EXPECT_EQ(read.sample(1), 63 - 15);  // high byte 30 -> 63 - 15
  EXPECT_EQ(read.sample(2), 48);       // 63 - 29 / 2 = 48.5, truncated
}

TEST_F(WvFileTest, OtherPagesFileIsRefused) {
  WriteSample(TracePage::kNewer, 8025, SampleRecord(RecordForm::kExtended));
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord record = SampleRecord(RecordForm::kCompact);
  EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка: Неправильный формат файла!"});
  EXPECT_EQ(record, ReflectogramRecord(RecordForm::kCompact));  // cleared first

  WriteSample(TracePage::kOlder, 0, SampleRecord(RecordForm::kCompact));
  ReflectogramRecord extended(RecordForm::kExtended);
  EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kNewer, 8025, block, extended));
  EXPECT_EQ(screen_.MessageLines().size(), 2u);
}

TEST_F(WvFileTest, EveryCheckedHeaderWordAndTheTrailerMarker) {
  const Bytes good = WriteSample(TracePage::kOlder, 0, SampleRecord(RecordForm::kCompact));
  for (size_t offset : {12, 20, 27, 29, 31, 33, 119}) {
    Bytes bad = good;
    bad[offset] ^= 0x40;
    testing::WriteAll(path_, bad);
    CableBlock block(RecordForm::kCompact);
    ReflectogramRecord record(RecordForm::kCompact);
    screen_.ClearShown();
    EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record)) << offset;
    EXPECT_TRUE(screen_.HasMessage("Неправильный формат файла!")) << offset;
  }
  Bytes bad = good;
  bad[379] = 6;
  testing::WriteAll(path_, bad);
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord record(RecordForm::kCompact);
  screen_.ClearShown();
  EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_TRUE(screen_.HasMessage("Неправильный формат файла!"));
}

TEST_F(WvFileTest, TruncatedFilesAndOversizedLengths) {
  const Bytes good = WriteSample(TracePage::kOlder, 0, SampleRecord(RecordForm::kCompact));
  for (size_t size : {0ul, 50ul, 122ul, 200ul, 380ul, 385ul, good.size() - 1}) {
    testing::WriteAll(path_, Slice(good, 0, size));
    CableBlock block(RecordForm::kCompact);
    ReflectogramRecord record = SampleRecord(RecordForm::kCompact);
    screen_.ClearShown();
    EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record)) << size;
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка чтения файла: " + path_})
        << size;
    EXPECT_EQ(record, ReflectogramRecord(RecordForm::kCompact)) << size;
  }
  // A sample count and a text length far beyond the file.
  Bytes bad = good;
  bad[121] = 0xFF;
  bad[122] = 0xFF;
  testing::WriteAll(path_, bad);
  CableBlock block(RecordForm::kCompact);
  ReflectogramRecord record(RecordForm::kCompact);
  screen_.ClearShown();
  EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_TRUE(screen_.HasMessage(path_));
  bad = good;
  bad[381] = 0xF0;
  testing::WriteAll(path_, bad);
  screen_.ClearShown();
  EXPECT_FALSE(ReadWv(screen_, path_, TracePage::kOlder, 0, block, record));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка чтения файла: " + path_});
}

TEST_F(WvFileTest, MoreSamplesThanTheRecordHoldsWarnsAndKeepsTheFirst) {
  // A newer-page file of 160 samples read with a firmware that holds 128.
  const Bytes file = WriteSample(TracePage::kNewer, 8025, SampleRecord(RecordForm::kExtended));
  CableBlock block(RecordForm::kExtended);
  ReflectogramRecord record(RecordForm::kExtended);
  ASSERT_TRUE(ReadWv(screen_, path_, TracePage::kNewer, 8000, block, record));
  ASSERT_EQ(screen_.messages().size(), 1u);
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kWarning);
  EXPECT_EQ(screen_.MessageLines()[0],
            "Предупреждение: Потеря данных.\r\nКоличество точек больше возможного.");
  EXPECT_EQ(record.sample(127), 127 % 64);
  EXPECT_EQ(record.sample(128), 0);
  EXPECT_EQ(record.name(), "КАБЕЛЬ 1");
}

}  // namespace
}  // namespace telvane
