// The xDSL area's pages: the log page of kinds 11, 12 and 16.
#ifndef TELVANE_TESTERS_XDSL_XDSL_PAGES_H_
#define TELVANE_TESTERS_XDSL_XDSL_PAGES_H_

#include "page/page_list.h"

namespace telvane {

PageList XdslPages();

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_PAGES_H_
