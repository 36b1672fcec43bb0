// Draws the Ethernet chart: one panel per section that was run, its result
// per frame size as a bar (red where the verdict failed) against the
// threshold line.
#ifndef TELVANE_TESTERS_ETHERNET_ETHERNET_CHART_VIEW_H_
#define TELVANE_TESTERS_ETHERNET_ETHERNET_CHART_VIEW_H_

#include <QWidget>
#include <vector>

#include "testers/ethernet/ethernet_chart.h"

namespace telvane {

class EthernetChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit EthernetChartWidget(QWidget* parent);
  void SetSeries(std::vector<EthernetChartSeries> series);
  QSize sizeHint() const override { return {480, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<EthernetChartSeries> series_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_ETHERNET_ETHERNET_CHART_VIEW_H_
