// Draws an E1ChartModel: errors (red) and alarm seconds (orange) per interval
// over the measurement's time axis, the selected interval shaded.
#ifndef TELVANE_TESTERS_E1_E1_CHART_VIEW_H_
#define TELVANE_TESTERS_E1_E1_CHART_VIEW_H_

#include <QWidget>

#include "testers/e1/e1_chart.h"

namespace telvane {

class E1ChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit E1ChartWidget(QWidget* parent);
  void SetModel(E1ChartModel model);
  QSize sizeHint() const override { return {480, 180}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  E1ChartModel model_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_CHART_VIEW_H_
