// The result pages of the E1 tester (kind 19) and the Ethernet tester (kind 20).
#ifndef TELVANE_TESTERS_TESTER_RESULT_PAGES_H_
#define TELVANE_TESTERS_TESTER_RESULT_PAGES_H_

#include "page/page_list.h"

namespace telvane {

PageList ResultPages();

}  // namespace telvane

#endif  // TELVANE_TESTERS_TESTER_RESULT_PAGES_H_
