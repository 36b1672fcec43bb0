// The Qt side of a page: a widget over one InstrumentPage controller that
// redraws whenever the page reports a change. The main window creates one view
// per page, once, and shows the one that the selected tab and the kind give.
//
// A real page's view derives from PageView, builds its widgets in its
// constructor, draws the controller's state in Refresh(), and forwards the
// person's actions to the controller. See app/page_catalog.h for where it is
// registered.
#ifndef TELVANE_PAGE_GUI_PAGE_VIEW_H_
#define TELVANE_PAGE_GUI_PAGE_VIEW_H_

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

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

// The view of `page` (page_views.cc): the page's own when one is registered,
// else the view that shows the title.
PageView* MakePageView(InstrumentPage& page, QWidget* parent);

}  // namespace telvane

#endif  // TELVANE_PAGE_GUI_PAGE_VIEW_H_
