#include "storage/trace/plot/gui/trace_plot_paint.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace telvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TracePlot", text); }

constexpr int kLeftMargin = 52;
constexpr int kRightMargin = 12;
constexpr int kTopMargin = 58;  // room for the cursor readout
constexpr int kBottomMargin = 36;

const QColor kCursorColours[2] = {QColor(0x00, 0x00, 0x00), QColor(0x80, 0x80, 0x80)};

QColor ToQColor(PlotColour c) { return QColor(c.r, c.g, c.b); }

QString Number(double v, int decimals) { return QString::number(v, 'f', decimals); }

int Decimals(const std::vector<double>& ticks) {
  if (ticks.size() < 2) return 0;
  const double step = ticks[1] - ticks[0];
  return step >= 1 ? 0 : std::min(3, static_cast<int>(std::ceil(-std::log10(step))));
}

void PaintAxes(QPainter& p, const PlotMapping& map, const PlotWindow& w) {
  const QRect a = map.area();
  const QFontMetrics fm = p.fontMetrics();
  const auto xs = AxisTicks(w.left, w.right, std::max(2, a.width() / 80));
  const auto ys = AxisTicks(w.bottom, w.top, std::max(2, a.height() / 40));
  const int x_decimals = Decimals(xs);
  const int y_decimals = Decimals(ys);
  for (double x : xs) {
    const double px = map.ToPixel(x, w.bottom).x();
    p.setPen(QColor(0xe0, 0xe0, 0xe0));
    p.drawLine(QPointF(px, a.top()), QPointF(px, a.bottom()));
    p.setPen(Qt::black);
    const QString text = Number(x, x_decimals);
    p.drawText(QPointF(px - fm.horizontalAdvance(text) / 2.0, a.bottom() + fm.ascent() + 4), text);
  }
  for (double y : ys) {
    const double py = map.ToPixel(w.left, y).y();
    p.setPen(QColor(0xe0, 0xe0, 0xe0));
    p.drawLine(QPointF(a.left(), py), QPointF(a.right(), py));
    p.setPen(Qt::black);
    const QString text = Number(y, y_decimals);
    p.drawText(QPointF(a.left() - fm.horizontalAdvance(text) - 4, py + fm.ascent() / 2.0), text);
  }
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(a);
  const QString unit = Tr("м");
  p.drawText(QPointF(a.right() - fm.horizontalAdvance(unit), a.bottom() + 2 * fm.height() + 2),
             unit);
}

void PaintTraces(QPainter& p, const TracePlotModel& model, const PlotMapping& map) {
  for (int i = static_cast<int>(model.traces().size()) - 1; i >= 0; --i) {
    const PlotTrace& t = model.traces()[static_cast<size_t>(i)];
    QPolygonF line;
    for (size_t s = 0; s < t.amplitude.size(); ++s) {
      line << map.ToPixel(model.Distance(i, static_cast<double>(s)), t.amplitude[s]);
    }
    p.setPen(QPen(ToQColor(TracePlotModel::TraceColour(i)), i == 0 ? 2 : 1.5));
    p.drawPolyline(line);
  }
}

void PaintReflections(QPainter& p, const TracePlotModel& model, const PlotMapping& map) {
  for (const Reflection& r : model.Reflections()) {
    const QPointF at = map.ToPixel(r.distance_m, r.amplitude);
    const double dy = r.slope == Slope::kRising ? -10 : 10;
    QPolygonF mark;
    mark << at + QPointF(0, dy / 2) << at + QPointF(-5, dy * 1.5) << at + QPointF(5, dy * 1.5);
    const QColor colour = r.likely_end ? QColor(0xd0, 0x00, 0x00) : QColor(0x40, 0x40, 0x40);
    p.setPen(colour);
    p.setBrush(r.launch ? Qt::NoBrush : QBrush(colour));
    p.drawPolygon(mark);
  }
}

void PaintCursors(QPainter& p, const TracePlotModel& model, const PlotMapping& map) {
  const QRect a = map.area();
  for (int which = 1; which <= 2; ++which) {
    const double x = map.ToPixel(model.Distance(0, model.cursor(which)), 0).x();
    if (x < a.left() || x > a.right()) continue;
    p.setPen(QPen(kCursorColours[which - 1], 1, which == 1 ? Qt::SolidLine : Qt::DashLine));
    p.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
    p.drawText(QPointF(x + 3, a.top() + p.fontMetrics().ascent() + 2), QString::number(which));
  }
}

void PaintReadout(QPainter& p, const TracePlotModel& model, QRect rect) {
  const CursorReadout r = model.Readout();
  const QFontMetrics fm = p.fontMetrics();
  const QString lines[3] = {
      Tr("Курсор 1: %1 м   %2").arg(Number(r.distance1, 2), Number(r.amplitude1, 1)),
      Tr("Курсор 2: %1 м   %2").arg(Number(r.distance2, 2), Number(r.amplitude2, 1)),
      Tr("Разность: %1 м   %2").arg(Number(r.delta_distance, 2), Number(r.delta_amplitude, 1)),
  };
  p.setPen(Qt::black);
  for (int i = 0; i < 3; ++i) {
    p.drawText(QPointF(rect.left() + kLeftMargin, rect.top() + 4 + fm.ascent() + i * fm.height()),
               lines[i]);
  }
}

void PaintLegend(QPainter& p, const TracePlotModel& model, QRect rect) {
  const QFontMetrics fm = p.fontMetrics();
  int widest = 0;
  for (const PlotTrace& t : model.traces()) {
    widest = std::max(widest, fm.horizontalAdvance(QString::fromStdString(t.label)));
  }
  const int row = fm.height();
  const int count = static_cast<int>(model.traces().size());
  const int visible = std::min(count, std::max(1, (kTopMargin - 6) / row));
  const int x = rect.right() - kRightMargin - widest - 30;
  for (int i = 0; i < visible; ++i) {
    const int y = rect.top() + 4 + i * row;
    p.setPen(QPen(ToQColor(TracePlotModel::TraceColour(i)), 3));
    p.drawLine(x, y + row / 2, x + 22, y + row / 2);
    p.setPen(Qt::black);
    QString label = QString::fromStdString(model.traces()[static_cast<size_t>(i)].label);
    if (i == visible - 1 && visible < count)
      label += QString::fromUtf8(" (+%1)").arg(count - visible);
    p.drawText(QPointF(x + 28, y + fm.ascent()), label);
  }
}

}  // namespace

PlotMapping::PlotMapping(const TracePlotModel& model, QRect whole)
    : window_(model.window()),
      area_(whole.adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin)) {
  if (area_.width() < 2) area_.setWidth(2);
  if (area_.height() < 2) area_.setHeight(2);
}

QPointF PlotMapping::ToPixel(double metres, double amplitude) const {
  const double x =
      area_.left() + (metres - window_.left) / (window_.right - window_.left) * (area_.width() - 1);
  const double y = area_.bottom() - (amplitude - window_.bottom) / (window_.top - window_.bottom) *
                                        (area_.height() - 1);
  return {x, y};
}

double PlotMapping::MetresAt(double x) const {
  return window_.left + (x - area_.left()) / (area_.width() - 1) * (window_.right - window_.left);
}

double PlotMapping::AmplitudeAt(double y) const {
  return window_.bottom +
         (area_.bottom() - y) / (area_.height() - 1) * (window_.top - window_.bottom);
}

void PaintTracePlot(QPainter& painter, const TracePlotModel& model, QRect rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(rect, Qt::white);
  const PlotMapping map(model, rect);
  PaintAxes(painter, map, model.window());
  painter.setClipRect(map.area().adjusted(1, 1, 0, 0));
  PaintTraces(painter, model, map);
  PaintReflections(painter, model, map);
  PaintCursors(painter, model, map);
  painter.setClipping(false);
  PaintReadout(painter, model, rect);
  PaintLegend(painter, model, rect);
  painter.restore();
}

QImage RenderTracePlot(const TracePlotModel& model, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintTracePlot(painter, model, QRect(QPoint(0, 0), size));
  return image;
}

}  // namespace telvane
