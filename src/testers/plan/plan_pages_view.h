// The memory plan's view, for the testers' list of views.
#ifndef TELVANE_TESTERS_PLAN_PLAN_PAGES_VIEW_H_
#define TELVANE_TESTERS_PLAN_PLAN_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList PlanPageViews();

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_PLAN_PAGES_VIEW_H_
