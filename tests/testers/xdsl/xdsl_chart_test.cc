// The xDSL log chart from sample logs: tones to frequency, the data ranges of
// the three charts, the marker's values per bin and the summary beside them.
#include "testers/xdsl/xdsl_chart.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "testers/xdsl/xdsl_samples.h"

namespace telvane {
namespace {

XdslLogEntry Entry(char band, XdslBand parsed) {
  return XdslLogEntry::Parse(parsed, testing::SampleEntry(band, Utf8ToCp1251("Абонент 7")));
}

TEST(XdslChart, ThreeChartsOverTheBinsWithFrequencyScale) {
  const auto log = XdslLog::FromWire(testing::SampleLog(1680));
  ASSERT_TRUE(log);
  const ChartFigure figure = XdslChart(Entry('D', XdslBand::kD), *log);
  EXPECT_EQ(figure.title, "Абонент 7 (G.DMT)");
  ASSERT_EQ(figure.charts.size(), 3u);
  for (const ChartModel& chart : figure.charts) {
    ASSERT_EQ(chart.series().size(), 1u);
    EXPECT_EQ(chart.series()[0].x.size(), 512u);
    EXPECT_EQ(chart.XRange(), (AxisRange{0, 511}));
    ASSERT_TRUE(chart.secondary_x());
    // 4.3125 kHz per tone: tone 32 is 138 kHz, tone 511 2203.6875 kHz.
    EXPECT_DOUBLE_EQ(chart.ToSecondary(32), 138.0);
    EXPECT_DOUBLE_EQ(chart.ToSecondary(511), 2203.6875);
    EXPECT_DOUBLE_EQ(chart.FromSecondary(1104), 256.0);
  }
  EXPECT_EQ(figure.charts[kXdslNoiseChart].title(), "Шум, дБм/Гц");
  EXPECT_EQ(figure.charts[kXdslSnrChart].title(), "SNR, дБ");
  EXPECT_EQ(figure.charts[kXdslBitsChart].series()[0].style, ChartStyle::kBars);
}

TEST(XdslChart, DataRanges) {
  const auto log = XdslLog::FromWire(testing::SampleLog(1536));
  ASSERT_TRUE(log);
  const ChartFigure figure = XdslChart(Entry('A', XdslBand::kA), *log);
  // Noise bytes 200 and 160 (-160) down to the byte 0 of bin 256 (0 dBm/Hz).
  EXPECT_EQ(*figure.charts[kXdslNoiseChart].DataYRange(), (AxisRange{-160, 0}));
  EXPECT_EQ(*figure.charts[kXdslSnrChart].DataYRange(), (AxisRange{0, 59}));
  EXPECT_EQ(figure.charts[kXdslSnrChart].YRange(), (AxisRange{0, 60}));
  EXPECT_EQ(figure.charts[kXdslBitsChart].YRange(), (AxisRange{0, 15}));
}

TEST(XdslChart, BitsBeyondFifteenWidenTheScale) {
  std::vector<uint8_t> bytes = testing::SampleLog(1536);
  bytes[1024 + 300] = 22;
  bytes[512 + 10] = 3;  // SNR never below zero: the scale still starts at 0
  const auto log = XdslLog::FromWire(bytes);
  ASSERT_TRUE(log);
  const ChartFigure figure = XdslChart(Entry('A', XdslBand::kA), *log);
  const AxisRange bits = figure.charts[kXdslBitsChart].YRange();
  EXPECT_EQ(bits.low, 0);
  EXPECT_GE(bits.high, 22);
}

TEST(XdslChart, MarkerReadsNoiseSnrAndBitsOfOneBin) {
  const auto log = XdslLog::FromWire(testing::SampleLog(1648));
  ASSERT_TRUE(log);
  ChartFigure figure = XdslChart(Entry('E', XdslBand::kE), *log);
  const auto value = [&](int chart) {
    const auto values = figure.charts[static_cast<size_t>(chart)].MarkerValues();
    EXPECT_EQ(values.size(), 1u);
    return values.empty() || !values[0].y ? -999.0 : *values[0].y;
  };
  figure.SetMarker(0);
  EXPECT_EQ(value(kXdslNoiseChart), -160);  // byte 200
  figure.SetMarker(1);
  EXPECT_EQ(value(kXdslNoiseChart), -160);  // byte 160
  figure.SetMarker(2.3);
  EXPECT_EQ(*figure.charts[0].marker(), 2);
  EXPECT_EQ(value(kXdslNoiseChart), -40);  // byte 40
  figure.SetMarker(100);
  EXPECT_EQ(value(kXdslNoiseChart), -((100 * 7) % 256 > 160 ? 160 : (100 * 7) % 256));
  EXPECT_EQ(value(kXdslSnrChart), 40);
  EXPECT_EQ(value(kXdslBitsChart), 4);
  // Past the last bin the marker stays on bin 511.
  figure.SetMarker(4000);
  EXPECT_EQ(*figure.charts[kXdslBitsChart].marker(), 511);
  EXPECT_EQ(value(kXdslBitsChart), 511 % 16);
  const auto units = figure.charts[kXdslNoiseChart].MarkerValues();
  EXPECT_EQ(units[0].unit, "дБм/Гц");
}

TEST(XdslChart, SummaryBesideTheCharts) {
  const auto log = XdslLog::FromWire(testing::SampleLog(1680));
  ASSERT_TRUE(log);
  const ChartFigure figure = XdslChart(Entry('C', XdslBand::kC), *log);
  ASSERT_EQ(figure.side_table.size(), 6u);
  EXPECT_EQ(figure.side_table[0], (std::vector<std::string>{"", "Down", "Up"}));
  EXPECT_EQ(figure.side_table[1], (std::vector<std::string>{"SNR, dB", "12.5", "6.7"}));
  EXPECT_EQ(figure.side_table[3], (std::vector<std::string>{"Pwr, dBm", "18.0", "-2.4"}));
  EXPECT_EQ(figure.side_table[4], (std::vector<std::string>{"Max, Kbps", "8000", "1024"}));
  EXPECT_EQ(figure.side_table[5], (std::vector<std::string>{"Rate, Kbps", "7616", "1000"}));
}

}  // namespace
}  // namespace telvane
