#include "testers/tester_result_pages.h"

#include "testers/e1/e1_results_page.h"
#include "testers/ethernet/ethernet_results_page.h"

namespace telvane {

PageList ResultPages() {
  return {PageRow<E1ResultsPage>(PageId::kFiles19), PageRow<EthernetResultsPage>(PageId::kFiles20)};
}

}  // namespace telvane
