#include "storage/trace/plot/gui/trace_plot_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "storage/trace/plot/gui/trace_plot_paint.h"

namespace telvane {
namespace {

// How close to a cursor line a press grabs it, pixels.
constexpr double kGrabPixels = 6;
// Each wheel notch scales the span by this.
constexpr double kWheelStep = 0.8;

}  // namespace

TracePlotWidget::TracePlotWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setMinimumSize(240, 160);
}

void TracePlotWidget::Refresh() {
  update();
  Q_EMIT changed();
}

bool TracePlotWidget::SavePng(const QString& path) const {
  return RenderTracePlot(model_, size()).save(path, "PNG");
}

void TracePlotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintTracePlot(painter, model_, rect());
  if (drag_ == Drag::kBand) {
    painter.setPen(QPen(Qt::darkBlue, 1, Qt::DashLine));
    painter.setBrush(QColor(0, 0, 128, 30));
    painter.drawRect(QRect(press_, last_).normalized());
  }
}

void TracePlotWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  press_ = last_ = at;
  if (event->button() == Qt::LeftButton && !model_.empty()) {
    const PlotMapping map(model_, rect());
    const int nearest = model_.NearestCursor(map.MetresAt(at.x()));
    const double x = map.ToPixel(model_.Distance(0, model_.cursor(nearest)), 0).x();
    if (std::fabs(x - at.x()) <= kGrabPixels) {
      drag_ = Drag::kCursor;
      dragged_cursor_ = nearest;
    } else {
      drag_ = Drag::kBand;
    }
  } else if (event->button() == Qt::MiddleButton || event->button() == Qt::RightButton) {
    drag_ = Drag::kPan;
  }
}

void TracePlotWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const PlotMapping map(model_, rect());
  switch (drag_) {
    case Drag::kCursor:
      model_.MoveCursor(dragged_cursor_, map.MetresAt(at.x()));
      Refresh();
      break;
    case Drag::kPan:
      model_.Pan(map.MetresAt(last_.x()) - map.MetresAt(at.x()),
                 map.AmplitudeAt(last_.y()) - map.AmplitudeAt(at.y()));
      Refresh();
      break;
    case Drag::kBand:
      update();
      break;
    case Drag::kNone:
      break;
  }
  last_ = at;
}

void TracePlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::kBand) {
    const QRect band = QRect(press_, event->position().toPoint()).normalized();
    if (band.width() > 4 && band.height() > 4) {
      const PlotMapping map(model_, rect());
      model_.ZoomTo({map.MetresAt(band.left()), map.MetresAt(band.right()),
                     map.AmplitudeAt(band.bottom()), map.AmplitudeAt(band.top())});
    }
  }
  drag_ = Drag::kNone;
  Refresh();
}

void TracePlotWidget::mouseDoubleClickEvent(QMouseEvent*) {
  model_.ResetView();
  Refresh();
}

void TracePlotWidget::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  const PlotMapping map(model_, rect());
  model_.ZoomAt(map.MetresAt(event->position().x()), std::pow(kWheelStep, notches));
  Refresh();
}

void TracePlotWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home) {
    model_.ResetView();
    Refresh();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace telvane
