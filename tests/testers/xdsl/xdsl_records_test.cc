// The xDSL record layouts: the bands by version (float32 comparisons), the
// list entry of every band read from bytes laid out by the tables, the mode
// byte, text fields bounded by their field, the log's bins and counters.
#include "testers/xdsl/xdsl_records.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/cp1251.h"
#include "testers/xdsl/xdsl_samples.h"

namespace telvane {
namespace {

TEST(XdslRecordsTest, BandsByVersion) {
  struct Case {
    float version;
    char band;
    size_t entry;
    size_t log;
  };
  const Case cases[] = {
      {8.027f, 'A', 82, 1536},  {8.029f, 'A', 82, 1536},  {8.03f, 'C', 93, 1536},
      {8.5f, 'C', 93, 1536},    {8.999f, 'C', 93, 1536},  {9.0f, 'A', 82, 1536},
      {10.003f, 'A', 82, 1536}, {10.004f, 'B', 90, 1680}, {10.005f, 'B', 90, 1680},
      {10.006f, 'C', 93, 1680}, {10.008f, 'C', 93, 1680}, {10.009f, 'D', 104, 1680},
      {10.1f, 'D', 104, 1680},  {10.11f, 'E', 117, 1648}, {12.0f, 'E', 117, 1648},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const XdslLayout layout = XdslLayoutFor(c.version);
    EXPECT_EQ(XdslBandLetter(layout.band), c.band);
    EXPECT_EQ(layout.entry_size, c.entry);
    EXPECT_EQ(layout.log_size, c.log);
  }
}

TEST(XdslRecordsTest, EntryOfEveryBand) {
  for (char band = 'A'; band <= 'E'; ++band) {
    SCOPED_TRACE(band);
    const auto bytes = testing::SampleEntry(band, Utf8ToCp1251("Линия 5"));
    const XdslLogEntry e = XdslLogEntry::Parse(static_cast<XdslBand>(band - 'A'), bytes);
    EXPECT_EQ(e.name, "Линия 5");
    EXPECT_EQ(e.mode, band == 'A' ? "ADSL2+" : "G.DMT");
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(e.down[i], testing::kSampleDown[i]);
      EXPECT_EQ(e.up[i], testing::kSampleUp[i]);
    }
    EXPECT_EQ(e.date.has_value(), band >= 'C');
    if (e.date) {
      EXPECT_EQ(e.date->day, 7);
      EXPECT_EQ(e.date->month, 3);
      EXPECT_EQ(e.date->year, 26);
    }
    EXPECT_EQ(e.carriers.has_value(), band == 'E');
    if (band == 'E') {
      EXPECT_EQ(*e.carriers, 480);
      EXPECT_EQ(*e.connection, "01:02:03");
    }
  }
}

TEST(XdslRecordsTest, ModeByteTable) {
  EXPECT_STREQ(XdslModeText(0), "ADSL");
  EXPECT_STREQ(XdslModeText(1), "ADSL2");
  EXPECT_STREQ(XdslModeText(3), "RE-ADSL2");
  EXPECT_STREQ(XdslModeText(4), "RE-ADSL2+");
  EXPECT_STREQ(XdslModeText(5), "неизвестный");
  EXPECT_STREQ(XdslModeText(255), "неизвестный");
}

TEST(XdslRecordsTest, TextFieldsEndAtTheirField) {
  // A name of 41 letters without a terminator stops before the mode byte.
  std::vector<uint8_t> bytes = testing::SampleEntry('A', "x");
  std::fill(bytes.begin(), bytes.begin() + 41, 'N');
  XdslLogEntry a = XdslLogEntry::Parse(XdslBand::kA, bytes);
  EXPECT_EQ(a.name, std::string(41, 'N'));
  // Band D's mode text (44..63) without a terminator stops at 63.
  bytes = testing::SampleEntry('D', "x");
  std::fill(bytes.begin() + 44, bytes.begin() + 64, 'M');
  EXPECT_EQ(XdslLogEntry::Parse(XdslBand::kD, bytes).mode, std::string(20, 'M'));
  // Band E's connection time (106..116) likewise stops at the entry's end.
  bytes = testing::SampleEntry('E', "x");
  std::fill(bytes.begin() + 106, bytes.end(), 'T');
  EXPECT_EQ(*XdslLogEntry::Parse(XdslBand::kE, bytes).connection, std::string(11, 'T'));
}

TEST(XdslRecordsTest, LogBinsAndCounters) {
  const auto log = XdslLog::FromWire(testing::SampleLog(1680));
  ASSERT_TRUE(log.has_value());
  EXPECT_EQ(log->Noise(0), -160);  // 200
  EXPECT_EQ(log->Noise(1), -160);  // 160
  EXPECT_EQ(log->Noise(2), -40);   // 40
  EXPECT_EQ(log->Snr(70), 10u);
  EXPECT_EQ(log->Bits(511), 15u);
  EXPECT_EQ(log->Counter(1536), 1.0f);
  EXPECT_EQ(log->Counter(1616), 90061.0f);
  EXPECT_TRUE(std::isnan(log->Counter(1564)));
  EXPECT_TRUE(std::isnan(log->Counter(1680)));  // beyond the log
  EXPECT_TRUE(std::isnan(log->Counter(1538)));  // not on a value

  const auto a = XdslLog::FromWire(testing::SampleLog(1536));
  ASSERT_TRUE(a.has_value());
  EXPECT_FALSE(a->has_counters());
  EXPECT_TRUE(std::isnan(a->Counter(1536)));

  EXPECT_FALSE(XdslLog::FromWire(std::vector<uint8_t>(1535)).has_value());
  EXPECT_FALSE(XdslLog::FromWire(std::vector<uint8_t>(1681)).has_value());
}

}  // namespace
}  // namespace telvane
