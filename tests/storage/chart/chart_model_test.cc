#include "storage/chart/chart_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace telvane {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

ChartSeries Series(std::vector<double> x, std::vector<double> y, std::string label = "s") {
  ChartSeries s;
  s.label = std::move(label);
  s.x = std::move(x);
  s.y = std::move(y);
  return s;
}

TEST(NiceRange, WidensToWholeSteps) {
  // 6 ticks over -147..-32: raw step 23 -> 50; ends at whole fifties.
  EXPECT_EQ(NiceRange({-147, -32}, 6), (AxisRange{-150, 0}));
  EXPECT_EQ(NiceRange({0, 47}, 6), (AxisRange{0, 50}));
  EXPECT_EQ(NiceRange({0.12, 0.87}, 6), (AxisRange{0, 1}));
  // Ends already on a step stay where they are.
  EXPECT_EQ(NiceRange({-150, 0}, 6), (AxisRange{-150, 0}));
  EXPECT_EQ(NiceRange({-160, 0}, 6), (AxisRange{-200, 0}));
  EXPECT_EQ(NiceRange({3, 17}, 4), (AxisRange{0, 20}));
}

TEST(NiceRange, DegenerateRanges) {
  EXPECT_EQ(NiceRange({kNaN, 3}, 6), (AxisRange{0, 1}));
  EXPECT_EQ(NiceRange({0, kInf}, 6), (AxisRange{0, 1}));
  // One value: a range around it.
  const AxisRange one = NiceRange({12, 12}, 6);
  EXPECT_LT(one.low, 12);
  EXPECT_GT(one.high, 12);
  const AxisRange zero = NiceRange({0, 0}, 6);
  EXPECT_LT(zero.low, 0);
  EXPECT_GT(zero.high, 0);
  // Reversed ends are put in order.
  EXPECT_EQ(NiceRange({47, 0}, 6), (AxisRange{0, 50}));
}

TEST(AxisStep, OneTwoOrFiveTimesAPowerOfTen) {
  EXPECT_EQ(AxisStep(0, 1000, 6), 200);
  EXPECT_EQ(AxisStep(0, 2208, 6), 500);
  EXPECT_DOUBLE_EQ(AxisStep(0, 0.9, 10), 0.1);
  EXPECT_EQ(AxisStep(1, 1, 6), 0);
  EXPECT_EQ(AxisStep(0, 1, 1), 0);
}

TEST(ChartModel, RangesComeFromFinitePointsOnly) {
  ChartModel chart;
  EXPECT_TRUE(chart.empty());
  EXPECT_EQ(chart.XRange(), (AxisRange{0, 1}));
  EXPECT_EQ(chart.YRange(), (AxisRange{0, 1}));
  chart.AddSeries(Series({0, 1, 2, kNaN, 4, 5}, {-30, kNaN, -147, 900, kInf, -32}));
  chart.AddSeries(Series({10, 11}, {-kInf, -40}));
  EXPECT_FALSE(chart.empty());
  ASSERT_TRUE(chart.DataXRange());
  // x 1 (y NaN), NaN, 4 (y inf) and 10 (y -inf) are not points.
  EXPECT_EQ(*chart.DataXRange(), (AxisRange{0, 11}));
  EXPECT_EQ(*chart.DataYRange(), (AxisRange{-147, -30}));
  // x shows the data's ends; y is widened to nice steps.
  EXPECT_EQ(chart.XRange(), (AxisRange{0, 11}));
  EXPECT_EQ(chart.YRange(), (AxisRange{-150, 0}));
}

TEST(ChartModel, SeriesOfOnlyNonFinitePointsIsEmpty) {
  ChartModel chart;
  chart.AddSeries(Series({0, 1, kNaN}, {kNaN, kInf, 3}));
  EXPECT_TRUE(chart.empty());
  EXPECT_FALSE(chart.DataYRange());
  ChartFigure figure;
  figure.charts.push_back(chart);
  EXPECT_TRUE(figure.empty());
  figure.charts.push_back(ChartModel());
  figure.charts.back().AddSeries(Series({1}, {2}));
  EXPECT_FALSE(figure.empty());
}

TEST(ChartModel, MismatchedListsUseTheShorter) {
  ChartModel chart;
  chart.AddSeries(Series({0, 1, 2, 3}, {5, 6}));
  EXPECT_EQ(*chart.DataXRange(), (AxisRange{0, 1}));
  chart.SetMarker(3);
  ASSERT_TRUE(chart.marker());
  EXPECT_EQ(*chart.marker(), 1);
}

TEST(ChartModel, FixedRangesAndZero) {
  ChartModel chart;
  chart.AddSeries(Series({0, 1, 2}, {20, 35, 47}));
  EXPECT_EQ(chart.YRange(), (AxisRange{20, 50}));
  chart.set_y_includes_zero(true);
  EXPECT_EQ(chart.YRange(), (AxisRange{0, 50}));
  EXPECT_FALSE(chart.FixYRange({5, 5}));
  EXPECT_FALSE(chart.FixYRange({kNaN, 5}));
  EXPECT_FALSE(chart.FixXRange({3, 1}));
  EXPECT_EQ(chart.XRange(), (AxisRange{0, 2}));
  EXPECT_TRUE(chart.FixYRange({0, 15}));
  EXPECT_TRUE(chart.FixXRange({0, 511}));
  EXPECT_EQ(chart.YRange(), (AxisRange{0, 15}));
  EXPECT_EQ(chart.XRange(), (AxisRange{0, 511}));
  EXPECT_EQ(chart.XTicks(6), (std::vector<double>{0, 200, 400}));
  EXPECT_EQ(chart.XTicks(7), (std::vector<double>{0, 100, 200, 300, 400, 500}));
  EXPECT_EQ(chart.YTicks(4), (std::vector<double>{0, 5, 10, 15}));
}

TEST(ChartModel, OneXValueStillHasAWidth) {
  ChartModel chart;
  chart.AddSeries(Series({7}, {1}));
  const AxisRange x = chart.XRange();
  EXPECT_LT(x.low, 7);
  EXPECT_GT(x.high, 7);
}

TEST(ChartModel, SecondaryScaleMapsBothWays) {
  ChartModel chart;
  chart.AddSeries(Series({0, 511}, {0, 1}));
  EXPECT_EQ(chart.ToSecondary(100), 100);  // none yet: the identity
  EXPECT_TRUE(chart.SecondaryTicks(6).empty());
  EXPECT_FALSE(chart.SetSecondaryX({"kHz", 0, 0}));
  EXPECT_FALSE(chart.SetSecondaryX({"kHz", kNaN, 0}));
  EXPECT_FALSE(chart.SetSecondaryX({"kHz", 1, kInf}));
  EXPECT_FALSE(chart.secondary_x());
  ASSERT_TRUE(chart.SetSecondaryX({"kHz", 4.3125, 0}));
  EXPECT_DOUBLE_EQ(chart.ToSecondary(32), 138.0);
  EXPECT_DOUBLE_EQ(chart.ToSecondary(511), 2203.6875);
  EXPECT_DOUBLE_EQ(chart.FromSecondary(1104), 256.0);
  // Ticks of the frequency scale: nice kHz values, placed at their tone.
  const auto ticks = chart.SecondaryTicks(6);
  ASSERT_EQ(ticks.size(), 5u);
  EXPECT_EQ(ticks[0].value, 0);
  EXPECT_EQ(ticks[4].value, 2000);
  EXPECT_DOUBLE_EQ(ticks[1].x, 500 / 4.3125);
  for (const ChartTick& t : ticks) {
    EXPECT_GE(t.x, 0);
    EXPECT_LE(t.x, 511);
    EXPECT_DOUBLE_EQ(chart.ToSecondary(t.x), t.value);
  }
}

TEST(ChartModel, DecreasingSecondaryScaleKeepsTicksInAxisOrder) {
  ChartModel chart;
  chart.AddSeries(Series({0, 10}, {0, 1}));
  ASSERT_TRUE(chart.SetSecondaryX({"", -2, 100}));  // 100 .. 80
  const auto ticks = chart.SecondaryTicks(6);
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_LT(ticks.front().x, ticks.back().x);
  EXPECT_EQ(ticks.front().value, 100);
  EXPECT_EQ(ticks.back().value, 80);
}

TEST(ChartModel, MarkerSnapsToAPointAndReadsEverySeries) {
  ChartModel chart;
  EXPECT_TRUE(chart.MarkerValues().empty());
  chart.SetMarker(3);
  EXPECT_FALSE(chart.marker());  // no points, no marker
  ChartSeries noise = Series({0, 1, 2, 3}, {-140, -130, kNaN, -120}, "noise");
  noise.unit = "dBm/Hz";
  noise.decimals = 1;
  chart.AddSeries(noise);
  chart.AddSeries(Series({0, 1, 2}, {4, 5, 6}, "bits"));
  chart.SetMarker(2.4);
  ASSERT_TRUE(chart.marker());
  EXPECT_EQ(*chart.marker(), 2);  // bits has a point at 2
  auto values = chart.MarkerValues();
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].label, "noise");
  EXPECT_EQ(values[0].unit, "dBm/Hz");
  EXPECT_EQ(values[0].decimals, 1);
  EXPECT_FALSE(values[0].y);  // NaN at bin 2
  ASSERT_TRUE(values[1].y);
  EXPECT_EQ(*values[1].y, 6);
  chart.SetMarker(100);
  EXPECT_EQ(*chart.marker(), 3);
  values = chart.MarkerValues();
  EXPECT_EQ(*values[0].y, -120);
  EXPECT_FALSE(values[1].y);  // bits ends at 2
  chart.SetMarker(kNaN);
  EXPECT_FALSE(chart.marker());
  chart.SetMarker(1);
  chart.ClearMarker();
  EXPECT_TRUE(chart.MarkerValues().empty());
}

TEST(ChartFigure, MarkerOnEveryChart) {
  ChartFigure figure;
  figure.charts.resize(2);
  figure.charts[0].AddSeries(Series({0, 1, 2}, {1, 2, 3}));
  figure.charts[1].AddSeries(Series({0, 2, 4}, {1, 2, 3}));
  figure.SetMarker(1.2);
  EXPECT_EQ(*figure.charts[0].marker(), 1);
  EXPECT_EQ(*figure.charts[1].marker(), 2);
}

}  // namespace
}  // namespace telvane
