// The views of the E1 and Ethernet result pages.
#ifndef TELVANE_TESTERS_TESTER_RESULT_PAGES_VIEW_H_
#define TELVANE_TESTERS_TESTER_RESULT_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList ResultPageViews();

}  // namespace telvane

#endif  // TELVANE_TESTERS_TESTER_RESULT_PAGES_VIEW_H_
