// The Qt view of the armour-wear page: the six values, read-only, and
// "Принять и сохранить...".
#ifndef TELVANE_CABLE_WEAR_WEAR_PAGE_VIEW_H_
#define TELVANE_CABLE_WEAR_WEAR_PAGE_VIEW_H_

#include <QLineEdit>
#include <vector>

#include "cable/wear/wear_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class WearPageView : public PageView {
  Q_OBJECT

 public:
  WearPageView(WearPage& page, QWidget* parent);
  void Refresh() override;

 private:
  WearPage& wear_;
  std::vector<QLineEdit*> values_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_WEAR_WEAR_PAGE_VIEW_H_
