// The Qt view of "БД плановых измерений" of the 435-byte and 233-byte
// families: the cable list (the locked leading entries greyed), the name and
// date of the planned measurements (435-byte family), the selected cable's
// pairs in a table, "Принять" and "Сохранить...".
#ifndef TELVANE_CABLE_FAMILY_FAMILY_PLANNED_PAGE_VIEW_H_
#define TELVANE_CABLE_FAMILY_FAMILY_PLANNED_PAGE_VIEW_H_

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

#include "cable/family/family_planned_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class FamilyPlannedPageView : public PageView {
  Q_OBJECT

 public:
  FamilyPlannedPageView(FamilyPlannedPage& page, QWidget* parent);
  void Refresh() override;

 private:
  void FillCables();
  void FillPairs();

  FamilyPlannedPage& planned_;
  QListWidget* cables_;
  QLabel* name_;
  QLabel* date_;
  QTableWidget* pairs_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_PLANNED_PAGE_VIEW_H_
