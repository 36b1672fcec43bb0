// The registration of every subsystem's pages: one entry per subsystem, in an
// explicit list (no static self-registration inside the static libraries).
#ifndef TELVANE_APP_SUBSYSTEMS_H_
#define TELVANE_APP_SUBSYSTEMS_H_

#include <vector>

#include "page/page_list.h"

namespace telvane {

struct Subsystem {
  const char* name;
  // The subsystem's pages for one window.
  PageList (*pages)();
};

// The app's own pages, then cable, storage and testers (those with pages).
const std::vector<Subsystem>& Subsystems();

// Every subsystem's pages, in the order of Subsystems().
PageList AllPages();

// The main window's own pages: the instrument information (tab 0), the
// text-protocol instrument's planned measurements and the 435-byte family's
// database information.
PageList AppPages();

}  // namespace telvane

#endif  // TELVANE_APP_SUBSYSTEMS_H_
