#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cmath>

#include "cable/pages/page_screenshot.h"
#include "storage/trace/plot/gui/trace_plot_paint.h"
#include "storage/trace/plot/gui/trace_plot_panel.h"

namespace telvane {
namespace {

PlotTrace Wave(const char* label, double phase, double range) {
  PlotTrace t;
  t.label = label;
  for (int i = 0; i < 128; ++i) t.amplitude.push_back(30 + 20 * std::sin(i / 9.0 + phase));
  t.scale = {range, 1, 1.5, 128};
  t.cursor1 = 20;
  t.cursor2 = 70;
  return t;
}

int CountColour(const QImage& image, PlotColour c) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (p.red() == c.r && p.green() == c.g && p.blue() == c.b) ++count;
    }
  }
  return count;
}

TEST(TracePlotView, ThreeOverlaidTracesEachInItsColour) {
  testing::PagesQtApp();
  TracePlotPanel panel;
  panel.model().AddTrace(Wave("first", 0, 1000));
  panel.model().AddTrace(Wave("second", 1, 800));
  panel.model().AddTrace(Wave("third", 2, 1200));
  panel.Refresh();
  testing::SavePageScreenshot(panel, "trace_plot_three_traces");
  const QImage image = RenderTracePlot(panel.model(), QSize(800, 500));
  for (int i = 0; i < 3; ++i) {
    EXPECT_GT(CountColour(image, TracePlotModel::TraceColour(i)), 100) << "trace " << i;
  }
  EXPECT_EQ(CountColour(image, TracePlotModel::TraceColour(3)), 0);
  // The widget's PNG export is the same picture at the widget's size.
  QTemporaryDir dir;
  const QString png = dir.filePath("plot.png");
  ASSERT_TRUE(panel.plot().SavePng(png));
  const QImage saved(png);
  ASSERT_EQ(saved.size(), panel.plot().size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
            RenderTracePlot(panel.model(), panel.plot().size()));
  EXPECT_FALSE(panel.plot().SavePng(dir.filePath("missing/plot.png")));
}

TEST(TracePlotView, MappingRoundTripsThroughPixels) {
  testing::PagesQtApp();
  TracePlotModel model;
  model.AddTrace(Wave("a", 0, 1000));
  const PlotMapping map(model, QRect(0, 0, 700, 400));
  const QPointF p = map.ToPixel(500, 30);
  EXPECT_NEAR(map.MetresAt(p.x()), 500, 1e-9);
  EXPECT_NEAR(map.AmplitudeAt(p.y()), 30, 1e-9);
  EXPECT_TRUE(map.area().contains(p.toPoint()));
}

}  // namespace
}  // namespace telvane
