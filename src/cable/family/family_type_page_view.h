// The Qt view of the cable-type tab of kinds 11, 12, 14 and 16: "Принять" and
// "Передать" above, the checked type list on the left, the selected type's
// name and three values on the right.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_TYPE_PAGE_VIEW_H_
#define TELVANE_CABLE_FAMILY_FAMILY_TYPE_PAGE_VIEW_H_

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <array>

#include "cable/family/family_type_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class FamilyTypePageView : public PageView {
  Q_OBJECT

 public:
  FamilyTypePageView(FamilyTypePage& page, QWidget* parent);
  void Refresh() override;

 private:
  FamilyTypePage& types_;
  bool refreshing_ = false;
  QListWidget* list_;
  QLineEdit* name_;
  std::array<QLabel*, 3> labels_{};
  std::array<QLineEdit*, 3> values_{};
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_TYPE_PAGE_VIEW_H_
