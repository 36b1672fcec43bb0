// The memory plan's page, for the testers' list of pages.
#ifndef TELVANE_TESTERS_PLAN_PLAN_PAGES_H_
#define TELVANE_TESTERS_PLAN_PLAN_PAGES_H_

#include "page/page_list.h"

namespace telvane {

PageList PlanPages();

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_PLAN_PAGES_H_
