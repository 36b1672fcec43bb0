#include "testers/plan/plan_pages.h"

#include <memory>

#include "testers/plan/database_plan_page.h"
#include "testers/plan/kind9_cable_page.h"
#include "testers/plan/kind9_planned_page.h"

namespace telvane {

PageList PlanPages() {
  // The three pages of kind 9 share one database per window; its offset is
  // the window's "/i9:" option, read when the first page is built.
  auto database = std::make_shared<std::shared_ptr<Kind9Database>>();
  auto shared = [database](PageContext& context) {
    if (!*database) {
      *database = std::make_shared<Kind9Database>(context.options.kind9_trailing_records);
    }
    return *database;
  };
  return {
      {PageId::kDbCounters9,
       [shared](PageContext& c) -> std::unique_ptr<InstrumentPage> {
         return std::make_unique<DatabasePlanPage>(c, shared(c));
       }},
      {PageId::kCableList9,
       [shared](PageContext& c) -> std::unique_ptr<InstrumentPage> {
         return std::make_unique<Kind9CablePage>(c, shared(c));
       }},
      {PageId::kPlanned9,
       [shared](PageContext& c) -> std::unique_ptr<InstrumentPage> {
         return std::make_unique<Kind9PlannedPage>(c, shared(c));
       }},
  };
}

}  // namespace telvane
