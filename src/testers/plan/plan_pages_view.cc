#include "testers/plan/plan_pages_view.h"

#include "testers/plan/database_plan_page_view.h"
#include "testers/plan/kind9_pages_view.h"

namespace telvane {

ViewList PlanPageViews() {
  return {{PageId::kDbCounters9, ViewOf<DatabasePlanPage, DatabasePlanPageView>},
          {PageId::kCableList9, ViewOf<Kind9CablePage, Kind9CablePageView>},
          {PageId::kPlanned9, ViewOf<Kind9PlannedPage, Kind9PlannedPageView>}};
}

}  // namespace telvane
