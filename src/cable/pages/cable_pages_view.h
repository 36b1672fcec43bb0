// The Qt views of the cable pages. This header names no Qt type beyond a
// forward declaration, so that it can be included before or after the core
// headers.
#ifndef TELVANE_CABLE_PAGES_CABLE_PAGES_VIEW_H_
#define TELVANE_CABLE_PAGES_CABLE_PAGES_VIEW_H_

class QWidget;

namespace telvane {

class InstrumentPage;
class PageView;

// The view of a cable page, or nullptr when `page` is not one of them.
PageView* MakeCablePageView(InstrumentPage& page, QWidget* parent);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_PAGES_VIEW_H_
