// The database information of the reflectometer families: one row per value.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_INFO_PAGE_VIEW_H_
#define TELVANE_CABLE_FAMILY_FAMILY_INFO_PAGE_VIEW_H_

#include <QListWidget>

#include "cable/family/family_info_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class FamilyInfoPageView : public PageView {
  Q_OBJECT

 public:
  FamilyInfoPageView(FamilyInfoPage& page, QWidget* parent);
  void Refresh() override;

 private:
  FamilyInfoPage& info_;
  QListWidget* rows_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_INFO_PAGE_VIEW_H_
