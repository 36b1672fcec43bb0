// The views of the main window's own pages: the instrument information and the
// text-protocol instrument's planned measurements.
#ifndef TELVANE_APP_GUI_APP_PAGE_VIEWS_H_
#define TELVANE_APP_GUI_APP_PAGE_VIEWS_H_

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/info_page.h"
#include "app/text_planned_page.h"
#include "page/gui/page_view.h"

namespace telvane {

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

// The rows of the window's own pages.
ViewList AppPageViews();

}  // namespace telvane

#endif  // TELVANE_APP_GUI_APP_PAGE_VIEWS_H_
