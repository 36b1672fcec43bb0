// The window's views: each subsystem's view list, joined in one explicit list.
#ifndef TELVANE_APP_GUI_PAGE_VIEWS_H_
#define TELVANE_APP_GUI_PAGE_VIEWS_H_

#include "page/gui/page_view.h"

namespace telvane {

// The view of `page`: the one its subsystem lists for its id, else the view
// that shows the title.
PageView* MakePageView(InstrumentPage& page, QWidget* parent);

}  // namespace telvane

#endif  // TELVANE_APP_GUI_PAGE_VIEWS_H_
