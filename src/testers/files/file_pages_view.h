// The views of the file service's pages, for the testers' list of views.
#ifndef TELVANE_TESTERS_FILES_FILE_PAGES_VIEW_H_
#define TELVANE_TESTERS_FILES_FILE_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList FilePageViews();

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_PAGES_VIEW_H_
