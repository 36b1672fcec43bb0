#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "cable/pages/page_screenshot.h"
#include "storage/chart/gui/chart_paint.h"
#include "storage/chart/gui/chart_widget.h"

namespace telvane {
namespace {

constexpr PlotColour kRed{0xd0, 0x10, 0x10};
constexpr PlotColour kBlue{0x10, 0x30, 0xd0};

int CountColour(const QImage& image, PlotColour c, int x0 = 0, int x1 = -1) {
  if (x1 < 0) x1 = image.width() - 1;
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = x0; x <= x1; ++x) {
      const QColor p = image.pixelColor(x, y);
      if (p.red() == c.r && p.green() == c.g && p.blue() == c.b) ++count;
    }
  }
  return count;
}

// A line over 0..99 with a gap (NaN) from 40 to 59, and bars over the same x.
ChartFigure Figure() {
  ChartFigure figure;
  figure.title = "Test figure";
  ChartModel line("Line");
  ChartSeries s;
  s.label = "wave";
  s.colour = kRed;
  for (int i = 0; i < 100; ++i) {
    s.x.push_back(i);
    s.y.push_back(i >= 40 && i < 60 ? std::numeric_limits<double>::quiet_NaN()
                                    : 10 * std::sin(i / 8.0));
  }
  line.AddSeries(s);
  line.SetSecondaryX({"kHz", 4.3125, 0});
  line.set_x_title("tone");
  figure.charts.push_back(line);
  ChartModel bars("Bars");
  ChartSeries b;
  b.label = "bits";
  b.colour = kBlue;
  b.style = ChartStyle::kBars;
  for (int i = 0; i < 100; ++i) {
    b.x.push_back(i);
    b.y.push_back(i % 16);
  }
  bars.AddSeries(b);
  bars.FixYRange({0, 15});
  figure.charts.push_back(bars);
  figure.side_table = {{"", "Down", "Up"}, {"SNR, dB", "12,5", "9,0"}};
  return figure;
}

TEST(ChartPaint, LinesBreakWhereValuesAreMissingAndBarsAreFilled) {
  testing::PagesQtApp();
  const ChartFigure figure = Figure();
  const QSize size(900, 600);
  const QImage image = RenderChartFigure(figure, size);
  QImage probe(size, QImage::Format_RGB32);
  const ChartLayout layout(figure, QRect(QPoint(0, 0), size), QFontMetrics(QFont(), &probe));
  ASSERT_EQ(layout.areas().size(), 2u);
  const QRect top = layout.areas()[0];
  const QRect bottom = layout.areas()[1];
  EXPECT_LT(top.bottom(), bottom.top());
  // The table stands right of the charts.
  EXPECT_GT(layout.table().left(), top.right());
  EXPECT_GT(CountColour(image, kRed), 200);
  EXPECT_GT(CountColour(image, kBlue), 2000);
  // Nothing red between x 41 and 58, where the values are missing.
  const int gap0 = static_cast<int>(ChartPixel(figure.charts[0], top, 41, 0).x());
  const int gap1 = static_cast<int>(ChartPixel(figure.charts[0], top, 58, 0).x());
  EXPECT_EQ(CountColour(image, kRed, gap0, gap1), 0);
  EXPECT_GT(CountColour(image, kRed, top.left(), gap0), 50);
  // Pixels and values round-trip.
  EXPECT_NEAR(ChartXAt(figure.charts[0], top, ChartPixel(figure.charts[0], top, 73, 0).x()), 73,
              1e-9);
}

TEST(ChartWidget, ClickPutsTheMarkerOnEveryChartAndPngIsThePicture) {
  testing::PagesQtApp();
  ChartWidget widget;
  widget.SetFigure(Figure());
  testing::SavePageScreenshot(widget, "chart_widget_figure", 900, 600);
  const ChartLayout layout(widget.figure(), widget.rect(), widget.fontMetrics());
  const QRect area = layout.areas()[1];
  double moved = -1;
  QObject::connect(&widget, &ChartWidget::markerMoved, [&](double x) { moved = x; });
  const QPointF at = ChartPixel(widget.figure().charts[1], area, 70, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  EXPECT_NEAR(moved, 70, 0.5);
  ASSERT_TRUE(widget.figure().charts[0].marker());
  EXPECT_EQ(*widget.figure().charts[0].marker(), 70);
  EXPECT_EQ(*widget.figure().charts[1].marker(), 70);
  const auto values = widget.figure().charts[1].MarkerValues();
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(*values[0].y, 70 % 16);
  // A click outside every chart leaves the marker.
  const QPointF outside(2, 2);
  QMouseEvent miss(QEvent::MouseButtonPress, outside, widget.mapToGlobal(outside), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &miss);
  EXPECT_EQ(*widget.figure().charts[0].marker(), 70);
  // A new figure keeps the marker's place.
  widget.SetFigure(Figure());
  EXPECT_EQ(*widget.figure().charts[1].marker(), 70);
  testing::SavePageScreenshot(widget, "chart_widget_marker", 900, 600);

  QTemporaryDir dir;
  const QString png = dir.filePath("chart.png");
  ASSERT_TRUE(widget.SavePng(png));
  const QImage saved(png);
  ASSERT_EQ(saved.size(), widget.size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
            RenderChartFigure(widget.figure(), widget.size()));
  EXPECT_FALSE(widget.SavePng(dir.filePath("missing/chart.png")));
}

}  // namespace
}  // namespace telvane
