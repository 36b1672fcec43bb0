// The line tester's charts without pixels: frequencies from each record's
// range and step or grid codes, the data ranges, the level records as bars,
// and no chart for the ADSL kinds.
#include "testers/line/line_chart.h"

#include <gtest/gtest.h>

#include <cstring>

namespace telvane {
namespace {

std::vector<uint8_t> Spectrum15(uint16_t start_khz, uint16_t end_khz, uint16_t step_hz) {
  std::vector<uint8_t> r(151, 0);
  r[1] = static_cast<uint8_t>(start_khz);
  r[2] = static_cast<uint8_t>(start_khz >> 8);
  r[3] = static_cast<uint8_t>(end_khz);
  r[4] = static_cast<uint8_t>(end_khz >> 8);
  r[5] = static_cast<uint8_t>(step_hz);
  r[6] = static_cast<uint8_t>(step_hz >> 8);
  for (size_t i = 13; i < r.size(); ++i) r[i] = static_cast<uint8_t>(-20 - static_cast<int>(i));
  return r;
}

ChartFigure Figure(LineRecordKind kind, const std::vector<uint8_t>& record, float version) {
  return LineChart(kind, LinePoints(kind, record, version));
}

TEST(LineChart, SpectrumFrequenciesFollowTheRecordsRangeAndStep) {
  // 100 … 140 kHz by 10 kHz: five points, levels -33 … -37 dB.
  const ChartFigure figure = Figure(LineRecordKind::kSpectrum, Spectrum15(100, 140, 10000), 1.5f);
  ASSERT_EQ(figure.charts.size(), 1u);
  const ChartModel& chart = figure.charts[0];
  EXPECT_EQ(chart.title(), "Спектр");
  EXPECT_EQ(chart.x_title(), "Частота, кГц");
  EXPECT_EQ(chart.y_title(), "Уровень, дБ");
  ASSERT_EQ(chart.series().size(), 1u);
  EXPECT_EQ(chart.series()[0].x, (std::vector<double>{100, 110, 120, 130, 140}));
  EXPECT_EQ(chart.series()[0].y, (std::vector<double>{-33, -34, -35, -36, -37}));
  EXPECT_EQ(chart.series()[0].style, ChartStyle::kLine);
  EXPECT_EQ(chart.DataXRange(), (AxisRange{100, 140}));
  EXPECT_EQ(chart.DataYRange(), (AxisRange{-37, -33}));
}

TEST(LineChart, SpectrumBelow15TakesItsRangeIndexAndStopsAtTheLastLevel) {
  std::vector<uint8_t> r(138, 0);
  r[1] = 2;  // 8000 … 1024000 Hz
  r[2] = 0x40;
  r[3] = 0x1F;  // 8000 Hz
  r[10] = 0xF6;
  const ChartFigure figure = Figure(LineRecordKind::kSpectrum, r, 1.499f);
  const ChartSeries& s = figure.charts[0].series()[0];
  ASSERT_EQ(s.x.size(), 128u);  // 138 - 10 level bytes
  EXPECT_EQ(s.x[0], 8);
  EXPECT_EQ(s.x[1], 16);
  EXPECT_EQ(s.y[0], -10);
  EXPECT_EQ(figure.charts[0].DataXRange(), (AxisRange{8, 1024}));
  // An unknown range index draws nothing.
  r[1] = 3;
  EXPECT_TRUE(Figure(LineRecordKind::kSpectrum, r, 1.0f).empty());
}

TEST(LineChart, ResponsePointsLieOnTheFrequencyGrid) {
  std::vector<uint8_t> r(137, 0);
  r[0] = 3;    // points
  r[6] = 224;  // first code: 256 kHz
  r[8] = 1;    // code step: 2 kHz in this range
  r[9] = static_cast<uint8_t>(-3);
  r[10] = static_cast<uint8_t>(-5);
  r[11] = static_cast<uint8_t>(-8);
  const ChartFigure figure = Figure(LineRecordKind::kExtendedResponse, r, 2.0f);
  const ChartSeries& s = figure.charts[0].series()[0];
  EXPECT_EQ(s.x, (std::vector<double>{256, 258, 260}));
  EXPECT_EQ(s.y, (std::vector<double>{-3, -5, -8}));
  EXPECT_EQ(s.label, "АЧХ+");
}

TEST(LineChart, LevelsAreBarsInFrequencyOrderAndAdslHasNoChart) {
  const ChartFigure levels =
      LineChart(LineRecordKind::kLevel, {{456, -17}, {256, -10}, {800, -24}});
  const ChartSeries& s = levels.charts[0].series()[0];
  EXPECT_EQ(s.style, ChartStyle::kBars);
  EXPECT_EQ(s.x, (std::vector<double>{256, 456, 800}));
  EXPECT_EQ(s.y, (std::vector<double>{-10, -17, -24}));
  EXPECT_EQ(levels.charts[0].DataYRange(), (AxisRange{-24, -10}));
  EXPECT_TRUE(LineChart(LineRecordKind::kAdsl, {{256, -10}}).charts.empty());
  EXPECT_TRUE(LineChart(LineRecordKind::kModem, {{256, -10}}).charts.empty());
}

}  // namespace
}  // namespace telvane
