#include "storage/chart/gui/chart_paint.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace telvane {
namespace {

QString Tr(const std::string& text) {
  return text.empty() ? QString() : QCoreApplication::translate("Charts", text.c_str());
}

constexpr int kGap = 6;
const QColor kGrid(0xe0, 0xe0, 0xe0);
const QColor kMarker(0x40, 0x40, 0x40);

QColor ToQColor(PlotColour c) { return QColor(c.r, c.g, c.b); }

int Decimals(const std::vector<double>& ticks) {
  if (ticks.size() < 2) return 0;
  const double step = std::fabs(ticks[1] - ticks[0]);
  return step >= 1 ? 0 : std::min(3, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

QString Number(double v, int decimals) { return QString::number(v, 'f', decimals); }

int TableWidth(const ChartFigure& figure, const QFontMetrics& fm, std::vector<int>* columns) {
  columns->clear();
  for (const auto& row : figure.side_table) {
    if (columns->size() < row.size()) columns->resize(row.size(), 0);
    for (size_t c = 0; c < row.size(); ++c) {
      (*columns)[c] = std::max((*columns)[c], fm.horizontalAdvance(Tr(row[c])) + 2 * kGap);
    }
  }
  int width = 0;
  for (int w : *columns) width += w;
  return width;
}

// Lines of text above a chart's area: the title and legend, then the second
// scale's labels.
int TopLines(const ChartModel& chart) { return chart.secondary_x() ? 2 : 1; }
int BottomLines(const ChartModel& chart) { return chart.x_title().empty() ? 1 : 2; }

void PaintTable(QPainter& p, const ChartFigure& figure, QRect box, const QFontMetrics& fm) {
  if (figure.side_table.empty() || box.width() <= 0) return;
  std::vector<int> columns;
  TableWidth(figure, fm, &columns);
  const int row_height = fm.height() + 4;
  int y = box.top();
  for (size_t r = 0; r < figure.side_table.size(); ++r) {
    int x = box.left();
    if (r == 0) p.fillRect(QRect(box.left(), y, box.width(), row_height), QColor(0xf0, 0xf0, 0xf0));
    const auto& row = figure.side_table[r];
    for (size_t c = 0; c < row.size(); ++c) {
      const QRect cell(x, y, columns[c], row_height);
      p.setPen(Qt::black);
      p.drawText(cell.adjusted(kGap, 0, -kGap, 0),
                 (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, Tr(row[c]));
      x += columns[c];
    }
    y += row_height;
    p.setPen(kGrid);
    p.drawLine(box.left(), y, box.right(), y);
  }
}

void PaintAxes(QPainter& p, const ChartModel& chart, QRect a, const QFontMetrics& fm) {
  const AxisRange xr = chart.XRange();
  const AxisRange yr = chart.YRange();
  const auto xs = chart.XTicks(std::max(2, a.width() / 70));
  const auto ys = chart.YTicks(std::max(2, a.height() / 28));
  const int xd = Decimals(xs);
  const int yd = Decimals(ys);
  for (double x : xs) {
    const double px = ChartPixel(chart, a, x, yr.low).x();
    p.setPen(kGrid);
    p.drawLine(QPointF(px, a.top()), QPointF(px, a.bottom()));
    p.setPen(Qt::black);
    const QString text = Number(x, xd);
    p.drawText(QPointF(px - fm.horizontalAdvance(text) / 2.0, a.bottom() + fm.ascent() + 3), text);
  }
  for (double y : ys) {
    const double py = ChartPixel(chart, a, xr.low, y).y();
    p.setPen(kGrid);
    p.drawLine(QPointF(a.left(), py), QPointF(a.right(), py));
    p.setPen(Qt::black);
    const QString text = Number(y, yd);
    p.drawText(QPointF(a.left() - fm.horizontalAdvance(text) - 4, py + fm.ascent() / 2.0 - 1),
               text);
  }
  if (chart.secondary_x()) {
    const auto ticks = chart.SecondaryTicks(std::max(2, a.width() / 70));
    std::vector<double> values;
    for (const ChartTick& t : ticks) values.push_back(t.value);
    const int d = Decimals(values);
    p.setPen(Qt::black);
    const double label_y = a.top() - 4 - fm.descent();
    for (const ChartTick& t : ticks) {
      const double px = ChartPixel(chart, a, t.x, yr.low).x();
      p.drawLine(QPointF(px, a.top() - 3), QPointF(px, a.top()));
      const QString text = Number(t.value, d);
      p.drawText(QPointF(px - fm.horizontalAdvance(text) / 2.0, label_y), text);
    }
    // The scale's name stands left of its labels, in the y labels' margin.
    const QString title = Tr(chart.secondary_x()->title);
    p.drawText(QPointF(a.left() - fm.horizontalAdvance(title) - 6, label_y), title);
  }
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(a);
  if (!chart.x_title().empty()) {
    const QString title = Tr(chart.x_title());
    p.drawText(QPointF(a.right() - fm.horizontalAdvance(title), a.bottom() + fm.height() * 2),
               title);
  }
  if (!chart.y_title().empty()) {
    p.save();
    p.translate(a.left() - p.fontMetrics().horizontalAdvance("-0000.0") - 8, a.center().y());
    p.rotate(-90);
    const QString title = Tr(chart.y_title());
    p.drawText(QPointF(-fm.horizontalAdvance(title) / 2.0, 0), title);
    p.restore();
  }
}

void PaintSeries(QPainter& p, const ChartModel& chart, QRect a) {
  const AxisRange yr = chart.YRange();
  const double base = std::clamp(0.0, yr.low, yr.high);
  for (const ChartSeries& s : chart.series()) {
    const QColor colour = ToQColor(s.colour);
    const size_t n = std::min(s.x.size(), s.y.size());
    if (s.style == ChartStyle::kBars) {
      // Bars as wide as the narrowest gap between neighbouring points allows.
      double width = a.width();
      for (size_t i = 1; i < n; ++i) {
        const double gap = std::fabs(ChartPixel(chart, a, s.x[i], 0).x() -
                                     ChartPixel(chart, a, s.x[i - 1], 0).x());
        if (std::isfinite(gap) && gap > 0) width = std::min(width, gap);
      }
      width = std::max(1.0, width * 0.8);
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      for (size_t i = 0; i < n; ++i) {
        if (!std::isfinite(s.x[i]) || !std::isfinite(s.y[i])) continue;
        const QPointF top = ChartPixel(chart, a, s.x[i], s.y[i]);
        const QPointF bottom = ChartPixel(chart, a, s.x[i], base);
        p.drawRect(QRectF(top.x() - width / 2, std::min(top.y(), bottom.y()), width,
                          std::max(1.0, std::fabs(bottom.y() - top.y()))));
      }
      continue;
    }
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    QPolygonF line;
    for (size_t i = 0; i <= n; ++i) {
      if (i == n || !std::isfinite(s.x[i]) || !std::isfinite(s.y[i])) {
        if (line.size() == 1) p.drawPoint(line.front());
        if (line.size() > 1) p.drawPolyline(line);
        line.clear();
        continue;
      }
      line << ChartPixel(chart, a, s.x[i], s.y[i]);
    }
  }
}

// The title at the left; the legend (with the marker's values) at the right.
void PaintHeader(QPainter& p, const ChartModel& chart, QRect a, const QFontMetrics& fm) {
  const double y = a.top() - (TopLines(chart) - 1) * fm.height() - 4 - fm.descent();
  p.setPen(Qt::black);
  QFont bold = p.font();
  bold.setBold(true);
  p.save();
  p.setFont(bold);
  p.drawText(QPointF(a.left(), y), Tr(chart.title()));
  const int title_end = a.left() + QFontMetrics(bold).horizontalAdvance(Tr(chart.title())) + 16;
  p.restore();
  const std::vector<MarkerValue> values = chart.MarkerValues();
  int x = a.right();
  for (size_t i = chart.series().size(); i-- > 0;) {
    const ChartSeries& s = chart.series()[i];
    QString text = Tr(s.label);
    if (i < values.size()) {
      text += QString::fromUtf8(": ") +
              (values[i].y ? Number(*values[i].y, values[i].decimals) : QString::fromUtf8("-"));
      if (!s.unit.empty()) text += QString::fromUtf8(" ") + Tr(s.unit);
    }
    const int width = fm.horizontalAdvance(text);
    if (x - width - 22 < title_end) break;
    x -= width;
    p.setPen(Qt::black);
    p.drawText(QPointF(x, y), text);
    p.fillRect(QRectF(x - 18, y - fm.ascent() / 2.0 - 1, 14, 3), ToQColor(s.colour));
    x -= 30;
  }
}

void PaintMarker(QPainter& p, const ChartModel& chart, QRect a) {
  if (!chart.marker()) return;
  const double px = ChartPixel(chart, a, *chart.marker(), chart.YRange().low).x();
  if (px < a.left() || px > a.right()) return;
  p.setPen(QPen(kMarker, 1, Qt::DashLine));
  p.drawLine(QPointF(px, a.top()), QPointF(px, a.bottom()));
}

}  // namespace

ChartLayout::ChartLayout(const ChartFigure& figure, QRect whole, const QFontMetrics& fm) {
  QRect rest = whole.adjusted(kGap, kGap, -kGap, -kGap);
  if (!figure.title.empty()) rest.setTop(rest.top() + fm.height() + kGap);
  std::vector<int> columns;
  const int table_width =
      std::min(TableWidth(figure, fm, &columns), std::max(0, rest.width() * 2 / 5));
  if (table_width > 0) {
    table_ = QRect(rest.right() - table_width + 1, rest.top(), table_width,
                   static_cast<int>(figure.side_table.size()) * (fm.height() + 4) + 1);
    rest.setRight(rest.right() - table_width - 2 * kGap);
  }
  const int count = static_cast<int>(figure.charts.size());
  if (count == 0) return;
  const int left = fm.horizontalAdvance("-0000.0") + fm.height() + 12;
  const int band = rest.height() / count;
  for (int i = 0; i < count; ++i) {
    const ChartModel& chart = figure.charts[static_cast<size_t>(i)];
    const int top = rest.top() + i * band + TopLines(chart) * fm.height() + 6;
    const int bottom = rest.top() + (i + 1) * band - BottomLines(chart) * fm.height() - 6;
    QRect area(QPoint(rest.left() + left, top), QPoint(rest.right() - 4, bottom));
    if (area.width() < 2) area.setWidth(2);
    if (area.height() < 2) area.setHeight(2);
    areas_.push_back(area);
  }
}

int ChartLayout::ChartAt(QPoint pixel) const {
  for (size_t i = 0; i < areas_.size(); ++i) {
    const QRect& a = areas_[i];
    if (pixel.x() >= a.left() && pixel.x() <= a.right() && pixel.y() >= a.top() &&
        pixel.y() <= a.bottom()) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

QPointF ChartPixel(const ChartModel& chart, QRect area, double x, double y) {
  const AxisRange xr = chart.XRange();
  const AxisRange yr = chart.YRange();
  return {area.left() + (x - xr.low) / (xr.high - xr.low) * (area.width() - 1),
          area.bottom() - (y - yr.low) / (yr.high - yr.low) * (area.height() - 1)};
}

double ChartXAt(const ChartModel& chart, QRect area, double pixel_x) {
  const AxisRange xr = chart.XRange();
  return xr.low + (pixel_x - area.left()) / std::max(1, area.width() - 1) * (xr.high - xr.low);
}

void PaintChartFigure(QPainter& painter, const ChartFigure& figure, QRect rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(rect, Qt::white);
  const QFontMetrics fm = painter.fontMetrics();
  const ChartLayout layout(figure, rect, fm);
  if (!figure.title.empty()) {
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(rect.left() + kGap, rect.top() + kGap + fm.ascent()),
                     Tr(figure.title));
    painter.restore();
  }
  PaintTable(painter, figure, layout.table(), fm);
  for (size_t i = 0; i < figure.charts.size(); ++i) {
    const ChartModel& chart = figure.charts[i];
    const QRect a = layout.areas()[i];
    PaintHeader(painter, chart, a, fm);
    PaintAxes(painter, chart, a, fm);
    painter.save();
    painter.setClipRect(a.adjusted(1, 1, 0, 0));
    PaintSeries(painter, chart, a);
    PaintMarker(painter, chart, a);
    painter.restore();
  }
  painter.restore();
}

QImage RenderChartFigure(const ChartFigure& figure, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintChartFigure(painter, figure, QRect(QPoint(0, 0), size));
  return image;
}

std::string ChartPng(const ChartFigure& figure, QSize size) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!RenderChartFigure(figure, size).save(&buffer, "PNG")) return {};
  return png.toStdString();
}

}  // namespace telvane
