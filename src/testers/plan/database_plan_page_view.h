// The Qt view of kind 9's database information: the nine fields, of which
// the maximum numbers of cables and sections are edited; an edit is handed to
// the page when it is finished and the page's stored values are shown again.
#ifndef TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_VIEW_H_
#define TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_VIEW_H_

#include <QLineEdit>
#include <vector>

#include "page/gui/page_view.h"
#include "testers/plan/database_plan_page.h"

namespace telvane {

class DatabasePlanPageView : public PageView {
  Q_OBJECT

 public:
  DatabasePlanPageView(DatabasePlanPage& page, QWidget* parent);
  // The fields lose their focus while the widget goes: their edits must no
  // longer reach this view.
  ~DatabasePlanPageView() override;
  void Refresh() override;

 private:
  void Edited(size_t field);

  DatabasePlanPage& plan_;
  std::vector<QLineEdit*> values_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_VIEW_H_
