// The Qt views of kind 9's cable list and planned measurements: a table of
// the page's rows and the page's buttons; a click on a row moves the cursor
// (locked rows cannot be chosen).
#ifndef TELVANE_TESTERS_PLAN_KIND9_PAGES_VIEW_H_
#define TELVANE_TESTERS_PLAN_KIND9_PAGES_VIEW_H_

#include <QLabel>
#include <QTreeWidget>

#include "page/gui/page_view.h"
#include "testers/plan/kind9_cable_page.h"
#include "testers/plan/kind9_planned_page.h"

namespace telvane {

class Kind9CablePageView : public PageView {
  Q_OBJECT

 public:
  Kind9CablePageView(Kind9CablePage& page, QWidget* parent);
  ~Kind9CablePageView() override;
  void Refresh() override;

 private:
  Kind9CablePage& cables_;
  QTreeWidget* list_;
  bool refreshing_ = false;
};

class Kind9PlannedPageView : public PageView {
  Q_OBJECT

 public:
  Kind9PlannedPageView(Kind9PlannedPage& page, QWidget* parent);
  void Refresh() override;

 private:
  Kind9PlannedPage& planned_;
  QLabel* cable_;
  QTreeWidget* pairs_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_KIND9_PAGES_VIEW_H_
