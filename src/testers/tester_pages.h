// The pages of the testers and of the instruments with a file system: the file
// service, the xDSL logs and masks, the line tester, the E1 and Ethernet
// results and the memory plan. Each area adds its list in tester_pages.cc.
#ifndef TELVANE_TESTERS_TESTER_PAGES_H_
#define TELVANE_TESTERS_TESTER_PAGES_H_

#include "page/page_list.h"

namespace telvane {

// The testers subsystem's pages for one window.
PageList TesterPages();

}  // namespace telvane

#endif  // TELVANE_TESTERS_TESTER_PAGES_H_
