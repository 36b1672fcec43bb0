#include "storage/trace/reflectogram_record.h"

#include <gtest/gtest.h>

#include "storage/trace/cable_block.h"
#include "storage/trace_samples.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Slice(std::span<const uint8_t> b, size_t at, size_t n) {
  return Bytes(b.begin() + at, b.begin() + at + n);
}

// The settings as they sit in every record, written out by hand.
const Bytes kSettingsBytes = {0x03, 0x00, 0x07, 0x00, 0xE8, 0x03, 0x04, 0x00, 0x10,
                              0x00, 0x32, 0x00, 0xFB, 0xFF, 0x2C, 0x01, 0x01, 0x00,
                              0xFE, 0xFF, 0x01, 0x0A, 0x00, 0xC8, 0x00};
const Bytes kNameBytes = {0xCA, 0xC0, 0xC1, 0xC5, 0xCB, 0xDC, 0x20, 0x31};

TEST(ReflectogramRecord, CompactLayout) {
  const ReflectogramRecord r = testing::SampleRecord(RecordForm::kCompact);
  const auto b = r.bytes();
  ASSERT_EQ(b.size(), 173u);
  EXPECT_EQ(Slice(b, 0, 8), kNameBytes);
  EXPECT_EQ(Slice(b, 8, 9), Bytes(9, 0));
  EXPECT_EQ(Slice(b, 17, 3), (Bytes{26, 12, 9}));
  EXPECT_EQ(Slice(b, 20, 25), kSettingsBytes);
  EXPECT_EQ(b[45], 0);
  EXPECT_EQ(b[45 + 63], 63);
  EXPECT_EQ(b[45 + 64], 0);
  EXPECT_EQ(b[172], 127 % 64);
  EXPECT_EQ(r.name(), "КАБЕЛЬ 1");
}

TEST(ReflectogramRecord, ExtendedLayoutAndCoordination) {
  ReflectogramRecord r = testing::SampleRecord(RecordForm::kExtended);
  r.set_coordination(160, 12.5f);
  const auto b = r.bytes();
  ASSERT_EQ(b.size(), 233u);
  EXPECT_EQ(Slice(b, 0, 8), kNameBytes);
  EXPECT_EQ(Slice(b, 41, 3), (Bytes{26, 12, 9}));
  EXPECT_EQ(Slice(b, 44, 25), kSettingsBytes);
  EXPECT_EQ(b[69 + 159], 159 % 64);
  EXPECT_EQ(Slice(b, 229, 4), testing::LeFloat(12.5f));
  r.set_coordination(128, 3.0f);
  EXPECT_EQ(Slice(r.bytes(), 197, 4), testing::LeFloat(3.0f));
  EXPECT_EQ(r.coordination(128), 3.0f);
  EXPECT_EQ(r.coordination(160), 12.5f);
}

TEST(ReflectogramRecord, NamesAreCutToTheirField) {
  ReflectogramRecord compact(RecordForm::kCompact);
  compact.set_name(std::string(30, 'N'));
  EXPECT_EQ(compact.name(), std::string(16, 'N'));
  EXPECT_EQ(compact.bytes()[16], 0);
  ReflectogramRecord extended(RecordForm::kExtended);
  extended.set_name(std::string(50, 'M'));
  EXPECT_EQ(extended.name(), std::string(40, 'M'));
}

TEST(ReflectogramRecord, ConversionMovesFieldsToTheirOffsets) {
  ReflectogramRecord extended = testing::SampleRecord(RecordForm::kExtended);
  extended.set_name("ОЧЕНЬ ДЛИННОЕ ИМЯ РЕФЛЕКТОГРАММЫ");
  const ReflectogramRecord compact = ToCompact(extended);
  EXPECT_EQ(compact.name(), "ОЧЕНЬ ДЛИННОЕ ИМ");
  EXPECT_EQ(compact.settings(), extended.settings());
  EXPECT_EQ(Slice(compact.bytes(), 17, 3), (Bytes{26, 12, 9}));
  EXPECT_EQ(Slice(compact.bytes(), 45, 128), Slice(extended.bytes(), 69, 128));

  const ReflectogramRecord back = ToExtended(testing::SampleRecord(RecordForm::kCompact));
  EXPECT_EQ(Slice(back.bytes(), 0, 41),
            Slice(testing::SampleRecord(RecordForm::kExtended).bytes(), 0, 41));
  EXPECT_EQ(Slice(back.bytes(), 41, 28), Slice(extended.bytes(), 41, 28));
  EXPECT_EQ(Slice(back.bytes(), 69, 128), Slice(extended.bytes(), 69, 128));
  EXPECT_EQ(Slice(back.bytes(), 69 + 128, 36), Bytes(36, 0));
}

TEST(CableBlock, Layouts) {
  const CableBlock compact = testing::SampleBlock(RecordForm::kCompact);
  ASSERT_EQ(compact.bytes().size(), 343u);
  EXPECT_EQ(Slice(compact.bytes(), 0, 4), (Bytes{0x34, 0x12, 2, 3}));
  EXPECT_EQ(Slice(compact.bytes(), 4, 4), testing::LeFloat(1500.0f));
  EXPECT_EQ(Slice(compact.bytes(), 16, 4), testing::LeFloat(1.5f));  // k
  EXPECT_EQ(compact.bytes()[20], 7);
  EXPECT_EQ(compact.velocity_factor(), 1.5f);

  const CableBlock extended = testing::SampleBlock(RecordForm::kExtended);
  ASSERT_EQ(extended.bytes().size(), 435u);
  EXPECT_EQ(Slice(extended.bytes(), 0, 5), (Bytes{0x34, 0x12, 50, 0, 2}));
  EXPECT_EQ(Slice(extended.bytes(), 5, 4), testing::LeFloat(18.5f));
  EXPECT_EQ(extended.bytes()[9], 9);
  EXPECT_EQ(extended.bytes()[15], 3);
  EXPECT_EQ(Slice(extended.bytes(), 28, 4), testing::LeFloat(1.5f));  // k
  EXPECT_EQ(Slice(extended.bytes(), 32, 4), (Bytes{0xA1, 0xA2, 0xA3, 0xA4}));
  EXPECT_EQ(extended.bytes()[36], 7);
  // Sections beyond the twentieth are neither read nor written.
  CableBlock b = extended;
  b.set_section(20, {1, 1, 1, 1, 1});
  EXPECT_EQ(b, extended);
  EXPECT_EQ(b.section(25).type_index, 0);
}

TEST(CableBlock, ConversionKeepsTheExtendedBlocksOtherBytes) {
  const CableBlock extended = testing::SampleBlock(RecordForm::kExtended);
  const CableBlock compact = ToCompact(extended);
  EXPECT_EQ(compact, testing::SampleBlock(RecordForm::kCompact));

  CableBlock target(RecordForm::kExtended);
  target.set_pair_count(77);
  target.bytes()[32] = 0x5A;
  target.bytes()[434] = 0x66;
  FillExtended(compact, target);
  EXPECT_EQ(target.pair_count(), 77);
  EXPECT_EQ(target.bytes()[32], 0x5A);
  EXPECT_EQ(target.bytes()[434], 0x66);
  EXPECT_EQ(target.section(1).length, 250.0f);
  EXPECT_EQ(target.section_count(), 2);
  EXPECT_EQ(target.value0(), 0x1234);
}

}  // namespace
}  // namespace telvane
