#include "testers/plan/plan_pages_view.h"

#include "testers/plan/database_plan_page_view.h"

namespace telvane {

ViewList PlanPageViews() {
  return {{PageId::kDbCounters9, ViewOf<DatabasePlanPage, DatabasePlanPageView>}};
}

}  // namespace telvane
