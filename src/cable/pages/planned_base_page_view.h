// The Qt view of the planned-measurement page of kinds 4 and 7: the two lists
// side by side above the pairs of the chosen cable.
#ifndef TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_VIEW_H_
#define TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_VIEW_H_

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "app/gui/page_view.h"

// Qt's "slots" keyword macro must not meet the member of that name in the
// cable databases.
#pragma push_macro("slots")
#undef slots
#include "cable/pages/planned_base_page.h"
#pragma pop_macro("slots")

namespace telvane {

class PlannedBasePageView : public PageView {
  Q_OBJECT

 public:
  PlannedBasePageView(PlannedBasePage& page, QWidget* parent);
  void Refresh() override;

 private:
  void FillList(QListWidget* list, PlannedSide side);

  PlannedBasePage& planned_;
  QListWidget* computer_;
  QListWidget* instrument_;
  QTableWidget* pairs_;
  QPushButton* receive_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_VIEW_H_
