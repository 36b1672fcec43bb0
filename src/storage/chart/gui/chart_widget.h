// A chart figure on screen: paints its model; a click or drag with the left
// button in a chart puts the marker of every chart at that x.
#ifndef TELVANE_STORAGE_CHART_GUI_CHART_WIDGET_H_
#define TELVANE_STORAGE_CHART_GUI_CHART_WIDGET_H_

#include <QString>
#include <QWidget>
#include <string>

#include "storage/chart/chart_model.h"

namespace telvane {

class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWidget(QWidget* parent = nullptr);

  // Shows `figure`, keeping the marker's x when the new charts have points
  // there.
  void SetFigure(ChartFigure figure);
  const ChartFigure& figure() const { return figure_; }
  // Puts the marker of every chart at `x` and repaints.
  void SetMarker(double x);
  // The picture as a PNG of the widget's size; false when not written.
  bool SavePng(const QString& path) const;
  // The bytes of that PNG file; empty when it could not be encoded.
  std::string PngBytes() const;

  QSize sizeHint() const override { return QSize(720, 480); }
  QSize minimumSizeHint() const override { return QSize(320, 240); }

 Q_SIGNALS:
  void markerMoved(double x);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void MarkAt(QPoint pixel);

  ChartFigure figure_;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_CHART_GUI_CHART_WIDGET_H_
