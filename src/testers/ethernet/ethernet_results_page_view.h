// The Qt view of the Ethernet results page: the list, the start and end of the
// selected file, the unit selector, the chart and the report button.
#ifndef TELVANE_TESTERS_ETHERNET_ETHERNET_RESULTS_PAGE_VIEW_H_
#define TELVANE_TESTERS_ETHERNET_ETHERNET_RESULTS_PAGE_VIEW_H_

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "page/gui/page_view.h"
#include "testers/ethernet/ethernet_chart_view.h"
#include "testers/ethernet/ethernet_results_page.h"

namespace telvane {

class EthernetResultsPageView : public PageView {
  Q_OBJECT

 public:
  EthernetResultsPageView(EthernetResultsPage& page, QWidget* parent);
  void Refresh() override;

 private:
  EthernetResultsPage& ethernet_;
  QListWidget* list_;
  QLabel* selection_;
  QComboBox* units_;
  QPushButton* report_;
  QPushButton* chart_button_;
  EthernetChartWidget* chart_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_ETHERNET_ETHERNET_RESULTS_PAGE_VIEW_H_
