// The Qt view of the planned-measurement page of kinds 4 and 7: the two lists
// side by side above the pairs of the chosen cable.
#ifndef TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_VIEW_H_
#define TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_VIEW_H_

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "page/gui/page_view.h"

#include "cable/pages/planned_base_page.h"

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
