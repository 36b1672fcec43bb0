#include "testers/line/line_pages_view.h"

#include "testers/line/frequency_list_page_view.h"
#include "testers/line/line_info_page_view.h"
#include "testers/line/line_records_page_view.h"
#include "testers/line/line_traces_page_view.h"

namespace telvane {

ViewList LinePageViews() {
  return {
      {PageId::kDbInfo17, ViewOf<LineInfoPage, LineInfoPageView>},
      {PageId::kFrequencyMeasurements17, ViewOf<LineRecordsPage, LineRecordsPageView>},
      {PageId::kFrequencyList17, ViewOf<FrequencyListPage, FrequencyListPageView>},
      {PageId::kReflectograms17, ViewOf<LineTracesPage, LineTracesPageView>},
  };
}

}  // namespace telvane
