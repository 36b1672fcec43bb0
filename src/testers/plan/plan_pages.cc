#include "testers/plan/plan_pages.h"

#include "testers/plan/database_plan_page.h"

namespace telvane {

PageList PlanPages() { return {PageRow<DatabasePlanPage>(PageId::kDbCounters9)}; }

}  // namespace telvane
