#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "storage/trace/plot/record_trace.h"
#include "storage/trace/plot/reflections.h"
#include "storage/trace/plot/trace_plot_model.h"
#include "storage/trace/plot/trace_scale.h"
#include "storage/trace_samples.h"

namespace telvane {
namespace {

// Deterministic noise of +-`size` around zero.
class Noise {
 public:
  double Next(double size) {
    state_ = state_ * 1103515245u + 12345u;
    return ((state_ >> 16) % 2001 / 1000.0 - 1.0) * size;
  }

 private:
  uint32_t state_ = 7;
};

// A line seen by a pulse: launch at the start, a dip (a tap) of `dip` at
// `dip_at`, a peak (open end) of `peak` at `peak_at`, each three samples
// wide, over a baseline of 8 with noise of +-1.
std::vector<double> LineTrace(int n, int dip_at, double dip, int peak_at, double peak) {
  Noise noise;
  std::vector<double> a(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) a[static_cast<size_t>(i)] = 8 + noise.Next(1);
  a[0] = 63;
  a[1] = 50;
  a[2] = 30;
  a[3] = 15;
  const double shape[3] = {0.5, 1, 0.5};
  for (int j = -1; j <= 1; ++j) {
    a[static_cast<size_t>(dip_at + j)] -= dip * shape[j + 1];
    a[static_cast<size_t>(peak_at + j)] += peak * shape[j + 1];
  }
  return a;
}

TEST(TraceScale, DistanceFromRangeStretchAndK) {
  TraceScale scale{1000, 2, 1.5, 128};
  EXPECT_DOUBLE_EQ(scale.MetresPerSample(), 1000.0 / 256);
  EXPECT_DOUBLE_EQ(scale.Distance(64), 250);
  // The same trace shown for a line of k = 1.0: every distance grows by 1.5.
  EXPECT_DOUBLE_EQ(scale.Distance(64, 1.0), 375);
  EXPECT_DOUBLE_EQ(scale.Distance(64, 3.0), 125);
  // A stretch below 1 counts as 1; no samples or no range give no scale.
  EXPECT_DOUBLE_EQ((TraceScale{1280, 0, 1.5, 128}).MetresPerSample(), 10);
  EXPECT_DOUBLE_EQ((TraceScale{1280, 1, 1.5, 0}).MetresPerSample(), 0);
  EXPECT_DOUBLE_EQ((TraceScale{-5, 1, 1.5, 128}).MetresPerSample(), 0);
  EXPECT_EQ(scale.NearestSample(251.9), 64);
  EXPECT_EQ(scale.NearestSample(-40), 0);
  EXPECT_EQ(scale.NearestSample(1e9), 127);
}

TEST(TracePlotModel, CursorReadoutsAndDifferences) {
  TracePlotModel model;
  PlotTrace trace;
  trace.label = "A";
  for (int i = 0; i < 128; ++i) trace.amplitude.push_back(i % 50);
  trace.scale = {1280, 1, 1.5, 128};  // 10 m a sample
  trace.cursor1 = 12;
  trace.cursor2 = 40;
  model.AddTrace(trace);
  CursorReadout r = model.Readout();
  EXPECT_DOUBLE_EQ(r.distance1, 120);
  EXPECT_DOUBLE_EQ(r.amplitude1, 12);
  EXPECT_DOUBLE_EQ(r.distance2, 400);
  EXPECT_DOUBLE_EQ(r.amplitude2, 40);
  EXPECT_DOUBLE_EQ(r.delta_distance, 280);
  EXPECT_DOUBLE_EQ(r.delta_amplitude, 28);
  // Dragging snaps to the nearest sample and stays on the trace.
  model.MoveCursor(2, 604);
  EXPECT_EQ(model.cursor(2), 60);
  r = model.Readout();
  EXPECT_DOUBLE_EQ(r.distance2, 600);
  EXPECT_DOUBLE_EQ(r.amplitude2, 10);  // 60 % 50
  EXPECT_DOUBLE_EQ(r.delta_distance, 480);
  EXPECT_DOUBLE_EQ(r.delta_amplitude, -2);
  model.MoveCursor(1, 99999);
  EXPECT_EQ(model.cursor(1), 127);
  EXPECT_EQ(model.NearestCursor(590), 2);
  EXPECT_EQ(model.NearestCursor(1300), 1);
  // Cursors beyond the samples (a file's values) are held on the trace.
  PlotTrace wild = trace;
  wild.cursor1 = -5;
  wild.cursor2 = 3000;
  model.Clear();
  model.AddTrace(wild);
  EXPECT_EQ(model.cursor(1), 0);
  EXPECT_EQ(model.cursor(2), 127);
}

TEST(TracePlotModel, ZoomPanAndReset) {
  TracePlotModel model;
  PlotTrace trace;
  trace.amplitude.assign(101, 10);
  trace.scale = {1000, 1, 1.5, 101};  // 9.90 m a sample, 990 m long
  model.AddTrace(trace);
  const PlotWindow full = model.window();
  EXPECT_NEAR(full.right, 1000.0 / 101 * 100, 1e-9);
  EXPECT_DOUBLE_EQ(full.left, 0);
  model.ZoomAt(500, 0.5);
  EXPECT_NEAR(model.window().left, 250, 1e-6);
  EXPECT_NEAR(model.window().right, 500 + (full.right - 500) / 2, 1e-6);
  model.Pan(100, 2);
  EXPECT_NEAR(model.window().left, 350, 1e-6);
  EXPECT_DOUBLE_EQ(model.window().bottom, full.bottom + 2);
  // A rubber band narrower than a sample is widened to one, reversed corners
  // are put in order.
  model.ZoomTo({300, 301, 20, 5});
  EXPECT_NEAR(model.window().right - model.window().left, 1000.0 / 101, 1e-9);
  EXPECT_NEAR((model.window().right + model.window().left) / 2, 300.5, 1e-9);
  EXPECT_DOUBLE_EQ(model.window().bottom, 5);
  EXPECT_DOUBLE_EQ(model.window().top, 20);
  model.ResetView();
  EXPECT_EQ(model.window(), full);
  // A second, longer trace widens the full view.
  PlotTrace longer = trace;
  longer.scale.range_m = 2000;
  model.AddTrace(longer);
  EXPECT_NEAR(model.window().right, 2 * full.right, 1e-9);
}

TEST(TracePlotModel, OverlaidTracesGetDistinctColours) {
  for (int i = 0; i < 8; ++i) {
    for (int j = i + 1; j < 8; ++j) {
      EXPECT_NE(TracePlotModel::TraceColour(i), TracePlotModel::TraceColour(j)) << i << " " << j;
    }
  }
}

TEST(Reflections, FindsTheLineEventsWithinOneSample) {
  const std::vector<double> a = LineTrace(128, 40, 10, 90, 24);
  const auto found = FindReflections(a, 2.5, 4);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_TRUE(found[0].launch);
  EXPECT_LE(found[0].sample, 1);
  EXPECT_FALSE(found[0].likely_end);
  EXPECT_NEAR(found[1].sample, 40, 1);
  EXPECT_EQ(found[1].slope, Slope::kFalling);
  EXPECT_FALSE(found[1].likely_end);
  EXPECT_DOUBLE_EQ(found[1].distance_m, found[1].sample * 2.5);
  EXPECT_NEAR(found[2].sample, 90, 1);
  EXPECT_EQ(found[2].slope, Slope::kRising);
  EXPECT_TRUE(found[2].likely_end);
  EXPECT_NEAR(found[2].amplitude, 8 + 24, 1.5);
  EXPECT_NEAR(found[2].prominence, 24, 2.5);
  // A deeper tap than the end's peak is the likely fault.
  const auto tap = FindReflections(LineTrace(128, 40, 30, 90, 12), 2.5, 4);
  ASSERT_EQ(tap.size(), 3u);
  EXPECT_TRUE(tap[1].likely_end);
  EXPECT_FALSE(tap[2].likely_end);
  // A threshold above the tap leaves only the launch and the end.
  const auto high = FindReflections(a, 2.5, 15);
  ASSERT_EQ(high.size(), 2u);
  EXPECT_NEAR(high[1].sample, 90, 1);
}

TEST(Reflections, NothingInFlatNoise) {
  Noise noise;
  std::vector<double> flat;
  for (int i = 0; i < 160; ++i) flat.push_back(20 + noise.Next(1.5));
  EXPECT_TRUE(FindReflections(flat, 1, 4).empty());
  EXPECT_TRUE(FindReflections(std::vector<double>(160, 20.0), 1, 0.5).empty());
  // A slow decay has no reflection, neither at its start nor where the trace
  // cuts it off.
  std::vector<double> tail;
  for (int i = 0; i < 100; ++i) tail.push_back(30 - i * 0.3);
  EXPECT_TRUE(FindReflections(tail, 1, 4).empty());
  // A flat line between two peaks is a level, not a dip.
  std::vector<double> level(100, 10.0);
  level[0] = 63;
  level[60] = 40;
  const auto two = FindReflections(level, 1, 4);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[1].sample, 60);
  EXPECT_TRUE(two[1].likely_end);
  // No threshold, no list.
  EXPECT_TRUE(FindReflections(LineTrace(128, 40, 10, 90, 24), 1, 0).empty());
}

TEST(RecordTrace, AmplitudeCursorsAndScaleFromTheRecord) {
  const ReflectogramRecord record = testing::SampleRecord(RecordForm::kExtended);
  const CableBlock block = testing::SampleBlock(RecordForm::kExtended);
  const PlotTrace trace = TraceFromRecord(record, 160, block, 1000, 4, "РФГ №01");
  ASSERT_EQ(trace.amplitude.size(), 160u);
  EXPECT_DOUBLE_EQ(trace.amplitude[0], 63);
  EXPECT_DOUBLE_EQ(trace.amplitude[70], 63 - 6);
  EXPECT_EQ(trace.cursor1, -5);
  EXPECT_EQ(trace.cursor2, 300);
  EXPECT_DOUBLE_EQ(trace.scale.k, 1.5);
  EXPECT_DOUBLE_EQ(trace.scale.MetresPerSample(), 1000.0 / (4 * 160));
  // A compact record holds 128 samples whatever is asked.
  EXPECT_EQ(TraceFromRecord(testing::SampleRecord(RecordForm::kCompact), 160, block, 1, 1, "")
                .amplitude.size(),
            128u);
  CableBlock no_k(RecordForm::kExtended);
  EXPECT_DOUBLE_EQ(TraceFromRecord(record, 128, no_k, 1, 1, "").scale.k, 1);
}

TEST(AxisTicks, StepsOfOneTwoOrFive) {
  EXPECT_EQ(AxisTicks(0, 1000, 6), (std::vector<double>{0, 200, 400, 600, 800, 1000}));
  EXPECT_EQ(AxisTicks(3, 17, 4), (std::vector<double>{5, 10, 15}));
  EXPECT_EQ(AxisTicks(-1, 1, 3), (std::vector<double>{-1, 0, 1}));
  EXPECT_TRUE(AxisTicks(5, 5, 4).empty());
}

}  // namespace
}  // namespace telvane
