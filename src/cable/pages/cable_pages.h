// The pages of the cable-parameter meters that the main window shows: the
// cable-type page of kind 2, the database, cable and size pages of kind 6, the
// compact cable page of kind 7 and the planned-measurement page of kinds 4 and
// 7.
#ifndef TELVANE_CABLE_PAGES_CABLE_PAGES_H_
#define TELVANE_CABLE_PAGES_CABLE_PAGES_H_

#include "page/page_list.h"

namespace telvane {

// The cable subsystem's pages for one window; the pages of each family share
// one model made here.
PageList CablePages();

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_PAGES_H_
