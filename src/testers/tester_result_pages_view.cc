#include "testers/tester_result_pages_view.h"

#include "testers/e1/e1_results_page_view.h"
#include "testers/ethernet/ethernet_results_page_view.h"

namespace telvane {

ViewList ResultPageViews() {
  return {
      {PageId::kFiles19, ViewOf<E1ResultsPage, E1ResultsPageView>},
      {PageId::kFiles20, ViewOf<EthernetResultsPage, EthernetResultsPageView>},
  };
}

}  // namespace telvane
