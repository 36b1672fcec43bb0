// The Qt views of the cable pages, one row each. This header names no Qt type
// beyond a forward declaration, so that it can be included before or after the
// core headers.
#ifndef TELVANE_CABLE_PAGES_CABLE_PAGES_VIEW_H_
#define TELVANE_CABLE_PAGES_CABLE_PAGES_VIEW_H_

#include "page/gui/page_view.h"

namespace telvane {

ViewList CablePageViews();

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_PAGES_VIEW_H_
