// The Qt side of a page: a widget over one InstrumentPage controller that
// redraws whenever the page reports a change. The main window creates one view
// per page, once, and shows the one that the selected tab and the kind give.
//
// A real page's view derives from PageView, builds its widgets in its
// constructor, draws the controller's state in Refresh(), and forwards the
// person's actions to the controller. See app/page_catalog.h for where it is
// registered.
#ifndef TELVANE_APP_GUI_PAGE_VIEW_H_
#define TELVANE_APP_GUI_PAGE_VIEW_H_

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "app/family435_info_page.h"
#include "app/info_page.h"
#include "app/instrument_page.h"
#include "app/text_planned_page.h"

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

// Tab 0: "Наименование" and "Серийный номер".
class InfoPageView : public PageView {
  Q_OBJECT

 public:
  InfoPageView(InfoPage& page, QWidget* parent);
  void Refresh() override;

 private:
  InfoPage& info_;
  QLineEdit* name_;
  QLineEdit* serial_;
};

// The text-protocol instrument's planned measurements.
class TextPlannedPageView : public PageView {
  Q_OBJECT

 public:
  TextPlannedPageView(TextPlannedPage& page, QWidget* parent);
  void Refresh() override;

 private:
  TextPlannedPage& planned_;
  QTreeWidget* list_;
  QPushButton* save_;
};

// The database information of the 435-byte family: one row per value.
class Family435InfoPageView : public PageView {
  Q_OBJECT

 public:
  Family435InfoPageView(Family435InfoPage& page, QWidget* parent);
  void Refresh() override;

 private:
  Family435InfoPage& info_;
  QListWidget* rows_;
};

// The view of `page` (page_views.cc): the page's own when one is registered,
// else the view that shows the title.
PageView* MakePageView(InstrumentPage& page, QWidget* parent);

}  // namespace telvane

#endif  // TELVANE_APP_GUI_PAGE_VIEW_H_
