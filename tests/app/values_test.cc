#include "base/values.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

namespace telvane {
namespace {

std::string Format(float v, int kind) {
  std::string text;
  FormatMeasurement(v, kind, text);
  return text;
}

TEST(FormatMeasurement, CapacitanceBoundaries) {
  EXPECT_EQ(Format(51.0f, kCapacitance), "51.0 нФ");
  EXPECT_EQ(Format(51.5f, kCapacitance), "  52 нФ");
  EXPECT_EQ(Format(2000.0f, kCapacitance), "2000 нФ");
  EXPECT_EQ(Format(2000.5f, kCapacitance), ">2000 нФ");
  EXPECT_EQ(Format(kCapacitanceAboveRange, kCapacitance), ">2000 нФ");
  EXPECT_EQ(Format(3.25f, kCapacitance), " 3.2 нФ");
}

TEST(FormatMeasurement, InsulationRows) {
  EXPECT_EQ(Format(99.0f, kInsulation), "    99 КОм ");
  EXPECT_EQ(Format(999.9f, kInsulation), "   990 КОм ");
  EXPECT_EQ(Format(999.0f, kInsulation), "   990 КОм ");
  EXPECT_EQ(Format(1000.0f, kInsulation), "  1000 КОм ");
  EXPECT_EQ(Format(1000.1f, kInsulation), "   1.0 МОм ");
  EXPECT_EQ(Format(9999.0f, kInsulation), "  10.0 МОм ");
  EXPECT_EQ(Format(10000.0f, kInsulation), "    10 МОм ");
  EXPECT_EQ(Format(123456.0f, kInsulation), "   120 МОм ");
  EXPECT_EQ(Format(5678901.0f, kInsulation), "  5600 МОм ");
  EXPECT_EQ(Format(30000000.0f, kInsulation), " 30000 МОм ");
  EXPECT_EQ(Format(kInsulationAboveRange, kInsulation), ">30000 МОм");
}

TEST(FormatMeasurement, ReturnsCharacterCountOrKindMinusOne) {
  std::string text = "old";
  EXPECT_EQ(FormatMeasurement(2000.5f, kCapacitance, text), 8);
  EXPECT_EQ(FormatMeasurement(99.0f, kInsulation, text), 11);
  EXPECT_EQ(FormatMeasurement(1.0f, 5, text), 4);
  EXPECT_TRUE(text.empty());
}

TEST(Markers, BitPatterns) { EXPECT_EQ(std::bit_cast<uint32_t>(kPairNotMeasured), 0xCF29DF8Du); }

TEST(Crc16Check, CatalogueCheckValue) {
  const char* text = "123456789";
  uint8_t data[11];
  std::memcpy(data, text, 9);
  data[9] = 0xB1;  // stored low byte first
  data[10] = 0x29;
  int result = 7;
  EXPECT_EQ(Crc16Check(1, result, data, sizeof data), 0x29B1);
  EXPECT_EQ(result, 0);
  data[10] = 0x28;
  EXPECT_EQ(Crc16Check(1, result, data, sizeof data), 0x29B1);
  EXPECT_EQ(result, -1);
  result = 7;
  Crc16Check(0, result, data, sizeof data);
  EXPECT_EQ(result, 7);  // mode 0 only computes
}

TEST(Crc16Check, EmptyDataGivesInitialValue) {
  uint8_t data[2] = {0xFF, 0xFF};
  int result = 1;
  EXPECT_EQ(Crc16Check(1, result, data, 2), 0xFFFF);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Crc16Check(1, result, data, 1), 0xFFFF);
  EXPECT_EQ(result, -1);
}

TEST(BytePacking, BigEndianAndComplement) {
  uint8_t b[4];
  PackBe32(0x01020304u, b);
  EXPECT_EQ(std::memcmp(b, "\x01\x02\x03\x04", 4), 0);
  EXPECT_EQ(UnpackBe32(b), 0x01020304u);
  PackBe16(0xA1B2, b);
  EXPECT_EQ(b[0], 0xA1);
  EXPECT_EQ(b[1], 0xB2);
  EXPECT_EQ(UnpackBe16(b), 0xA1B2);
  EXPECT_EQ(Complement(0x15), 0xEA);
  EXPECT_EQ(Complement(0x00), 0xFF);
  StoreLeFloat(kPairNotMeasured, b);
  EXPECT_EQ(std::memcmp(b, "\x8D\xDF\x29\xCF", 4), 0);
  EXPECT_EQ(LoadLeFloat(b), kPairNotMeasured);
  const uint8_t frame[] = {0xFF, 0x02, 0x03};
  EXPECT_EQ(Sum8(frame), 0x04);
}

}  // namespace
}  // namespace telvane
