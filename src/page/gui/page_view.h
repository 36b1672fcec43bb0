// The Qt side of a page: a widget over one InstrumentPage controller that
// redraws whenever the page reports a change. The main window creates one view
// per page, once, and shows the one that the selected tab and the kind give.
//
// A real page's view derives from PageView, builds its widgets in its
// constructor, draws the controller's state in Refresh(), and forwards the
// person's actions to the controller. Each subsystem lists its views in one
// ViewList (cable/pages/cable_pages_view.h, app/gui/app_page_views.h); the
// window's front end joins the lists (app/gui/page_views.h).
#ifndef TELVANE_PAGE_GUI_PAGE_VIEW_H_
#define TELVANE_PAGE_GUI_PAGE_VIEW_H_

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "page/instrument_page.h"

namespace telvane {

class PageView : public QWidget {
  Q_OBJECT

 public:
  PageView(InstrumentPage& page, QWidget* parent);
  ~PageView() override;

  InstrumentPage& page() { return page_; }
  // Draws the page's state; called when the page changed and when it is shown.
  virtual void Refresh() {}

 private:
  InstrumentPage& page_;
};

// A page that later parts of the program fill: its title alone.
class EmptyPageView : public PageView {
  Q_OBJECT

 public:
  EmptyPageView(InstrumentPage& page, QWidget* parent);
};

// One row of a subsystem's view list: the view of the page of `id`.
struct ViewEntry {
  PageId id;
  PageView* (*make)(InstrumentPage& page, QWidget* parent);
};
using ViewList = std::vector<ViewEntry>;

// A row's maker: `View` over the page as `Page`. A page of another class under
// that id (a test's stand-in) gets the view that shows its title.
template <class Page, class View>
PageView* ViewOf(InstrumentPage& page, QWidget* parent) {
  if (auto* typed = dynamic_cast<Page*>(&page)) return new View(*typed, parent);
  return new EmptyPageView(page, parent);
}

}  // namespace telvane

#endif  // TELVANE_PAGE_GUI_PAGE_VIEW_H_
