// The line tester's records: the frequency grid and the offered frequencies,
// record sizes by version, the information record, the frequency-list record,
// the packed date and the spectrum text view, from bytes laid out by hand.
#include "testers/line/line_records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace telvane {
namespace {

TEST(LineRecordsTest, FrequencyGrid) {
  EXPECT_EQ(FrequencyOfCode(0), 32u);
  EXPECT_EQ(FrequencyOfCode(31), 63u);
  EXPECT_EQ(FrequencyOfCode(32), 64u);
  EXPECT_EQ(FrequencyOfCode(223), 255u);
  EXPECT_EQ(FrequencyOfCode(224), 256u);
  EXPECT_EQ(FrequencyOfCode(225), 258u);
  EXPECT_EQ(FrequencyOfCode(352), 512u);
  EXPECT_EQ(FrequencyOfCode(480), 1024u);
  EXPECT_EQ(FrequencyOfCode(735), 2044u);
  EXPECT_EQ(FrequencyOfCode(736), 2048u);
  EXPECT_EQ(FrequencyOfCode(992), 4096u);
  EXPECT_FALSE(FrequencyOfCode(993).has_value());
  EXPECT_FALSE(FrequencyOfCode(0xFFFF).has_value());
  EXPECT_EQ(CodeOfFrequency(258), 225);
  EXPECT_FALSE(CodeOfFrequency(257).has_value());
  EXPECT_FALSE(CodeOfFrequency(31).has_value());
  EXPECT_FALSE(CodeOfFrequency(4104).has_value());
}

TEST(LineRecordsTest, OfferedFrequenciesAreTheGrid) {
  const std::vector<unsigned> offered = OfferedFrequencies();
  ASSERT_EQ(offered.size(), 993u);
  EXPECT_EQ(offered[0], 32u);
  EXPECT_EQ(offered[1], 33u);
  EXPECT_EQ(offered[offered.size() - 3], 4080u);
  EXPECT_EQ(offered[offered.size() - 2], 4088u);
  EXPECT_EQ(offered.back(), 4096u);
  // The step changes once 256, 512 and 2048 are reached.
  auto at = [&](unsigned f) { return std::find(offered.begin(), offered.end(), f); };
  EXPECT_EQ(*(at(255) + 1), 256u);
  EXPECT_EQ(*(at(256) + 1), 258u);
  EXPECT_EQ(*(at(510) + 1), 512u);
  EXPECT_EQ(*(at(512) + 1), 516u);
  EXPECT_EQ(*(at(2044) + 1), 2048u);
  EXPECT_EQ(*(at(2048) + 1), 2056u);
  for (size_t i = 0; i < offered.size(); ++i) EXPECT_EQ(CodeOfFrequency(offered[i]), i);
}

TEST(LineRecordsTest, RecordSizesByVersion) {
  EXPECT_EQ(LineRecordSize(LineRecordKind::kSpectrum, 1.499f), 138u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kSpectrum, 1.5f), 151u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kResponse, 1.499f), 135u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kExtendedResponse, 1.5f), 137u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kAdsl, 1.0f), 131u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kAdsl, 3.0f), 288u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kModem, 1.0f), 290u);
  EXPECT_EQ(LineRecordSize(LineRecordKind::kLevel, 5.0f), 3u);
  std::vector<uint8_t> codes;
  for (const LineKindInfo& k : LineRecordKinds()) codes.push_back(k.code);
  EXPECT_EQ(codes, (std::vector<uint8_t>{0x01, 0x02, 0x03, 0x04, 0x08, 0x0A}));
}

TEST(LineRecordsTest, InformationRecord) {
  std::array<uint8_t, kLineInfoSize> b{};
  const uint16_t counts[7] = {1, 2, 3, 4, 5, 6, 129};
  for (int i = 0; i < 7; ++i) {
    b[72 + 2 * i] = static_cast<uint8_t>(counts[i]);
    b[73 + 2 * i] = static_cast<uint8_t>(counts[i] >> 8);
  }
  b[72] = 0x2C;  // 300 level records
  b[73] = 0x01;
  const float version = 3.25f;
  std::memcpy(&b[88], &version, 4);
  using Row = std::pair<std::string, std::string>;
  EXPECT_EQ(LineInfo::FromWire(b).Rows(),
            (std::vector<Row>{{"Версия прибора", "3.250"},
                              {"Число записей УП", "300"},
                              {"Число записей АЧХ", "2"},
                              {"Число записей АЧХ+", "3"},
                              {"Число записей Спектра", "4"},
                              {"Число Рефлектограмм", "5"},
                              {"Число записей ADSL", "6"},
                              {"Число записей в Списке частот", "129"}}));
}

TEST(LineRecordsTest, FrequencyListRecord) {
  std::array<uint8_t, kFrequencyListSize> b{};
  b[0] = 3;
  b[2] = 0;     // 32 kHz
  b[4] = 224;   // 256 kHz
  b[6] = 0xE0;  // 992: 4096 kHz
  b[7] = 0x03;
  bool cut = true;
  FrequencyList list = FrequencyList::FromWire(b, &cut);
  EXPECT_FALSE(cut);
  EXPECT_EQ(list.codes, (std::vector<uint16_t>{0, 224, 992}));
  EXPECT_EQ(list.ToWire(), b);

  b[0] = 200;  // more than the record has room for
  list = FrequencyList::FromWire(b, &cut);
  EXPECT_TRUE(cut);
  EXPECT_EQ(list.codes.size(), 129u);
  EXPECT_EQ(list.ToWire()[0], 129);
}

std::vector<uint8_t> Spectrum(float version) {
  std::vector<uint8_t> r(LineRecordSize(LineRecordKind::kSpectrum, version), 0);
  // 7.3.26 12:34: minute 34, hour 12, day 7, month 3, year 26.
  const uint32_t packed = 34u | 12u << 6 | 7u << 11 | 3u << 16 | 26u << 20;
  const size_t date = version < 1.5f ? 6 : 9;
  for (int i = 0; i < 4; ++i) r[date + i] = static_cast<uint8_t>(packed >> (8 * i));
  r[version < 1.5f ? 4 : 7] = 2;
  const size_t levels = version < 1.5f ? 10 : 13;
  for (size_t i = levels; i < r.size(); ++i) r[i] = static_cast<uint8_t>(-(int)(i - levels));
  return r;
}

TEST(LineRecordsTest, SpectrumTextFromVersion15) {
  std::vector<uint8_t> r = Spectrum(1.5f);
  r[1] = 100;   // 100 kHz
  r[3] = 102;   // to 102 kHz
  r[5] = 0xF4;  // by 500 Hz
  r[6] = 0x01;
  EXPECT_EQ(LineRecordText(LineRecordKind::kSpectrum, r, 1.5f),
            "07.03.26 г,\t12:34\r\n\r\n"
            "0100 кГц,\t\t   0 дБ \r\n"
            "0100 кГц,\t\t  -1 дБ \r\n"
            "0101 кГц,\t\t  -2 дБ \r\n"
            "0101 кГц,\t\t  -3 дБ \r\n"
            "0102 кГц,\t\t  -4 дБ \r\n");
  // A step of 0 gives the start line alone; without the date flag no date.
  r[5] = r[6] = 0;
  r[7] = 1;
  EXPECT_EQ(LineRecordText(LineRecordKind::kSpectrum, r, 1.5f), "0100 кГц,\t\t   0 дБ \r\n");
  // A range longer than the levels stops at the record's last level byte.
  r[1] = 32;
  r[3] = 0x10;  // 4096 kHz
  r[4] = 0x10;
  r[5] = 1;  // by 1 Hz
  EXPECT_EQ(LinePoints(LineRecordKind::kSpectrum, r, 1.5f).size(), 151u - 13u);
}

TEST(LineRecordsTest, SpectrumTextBefore15) {
  std::vector<uint8_t> r = Spectrum(1.499f);
  r[1] = 1;     // 16000 to 2048000 Hz
  r[2] = 0x80;  // 16000 Hz: 16, 32, … 2048 kHz = 128 points, as many as levels
  r[3] = 0x3E;
  const auto points = LinePoints(LineRecordKind::kSpectrum, r, 1.499f);
  ASSERT_EQ(points.size(), 128u);
  EXPECT_EQ(points[0].khz, 16u);
  EXPECT_EQ(points.back().khz, 2048u);
  EXPECT_EQ(points.back().level, -127);
  const std::string text = LineRecordText(LineRecordKind::kSpectrum, r, 1.499f);
  EXPECT_EQ(text.rfind("07.03.26 г,\t12:34\r\n\r\n0016 кГц,\t\t   0 дБ \r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n2048 кГц,\t\t-127 дБ \r\n"), std::string::npos);
  // An unknown range index lists nothing.
  r[1] = 3;
  EXPECT_TRUE(LinePoints(LineRecordKind::kSpectrum, r, 1.499f).empty());
}

TEST(LineRecordsTest, PackedDate) {
  const LineDate d = UnpackLineDate(59u | 23u << 6 | 31u << 11 | 12u << 16 | 99u % 16 << 20);
  EXPECT_EQ(d.minute, 59);
  EXPECT_EQ(d.hour, 23);
  EXPECT_EQ(d.day, 31);
  EXPECT_EQ(d.month, 12);
  EXPECT_EQ(d.year, 3);
}

TEST(LineRecordsTest, LevelAndResponsePoints) {
  const uint8_t level[3] = {225, 0, static_cast<uint8_t>(-42)};
  const auto p = LinePoints(LineRecordKind::kLevel, level, 2.0f);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].khz, 258u);
  EXPECT_EQ(p[0].level, -42);
  EXPECT_EQ(LineRecordText(LineRecordKind::kLevel, level, 2.0f), "0258 кГц,\t\t -42 дБ \r\n");

  std::vector<uint8_t> r(137, 0);
  r[0] = 200;   // more points than the record holds: 128
  r[6] = 0xD0;  // first code 976 (3968 kHz)
  r[7] = 0x03;
  r[8] = 4;  // every 4th code
  // 976, 980, 984, 988, 992: five codes on the grid.
  EXPECT_EQ(LinePoints(LineRecordKind::kResponse, r, 2.0f).size(), 5u);
}

}  // namespace
}  // namespace telvane
