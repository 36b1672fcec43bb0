// The Qt view of the cable-type page.
#ifndef TELVANE_CABLE_PAGES_CABLE_TYPE_PAGE_VIEW_H_
#define TELVANE_CABLE_PAGES_CABLE_TYPE_PAGE_VIEW_H_

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "page/gui/page_view.h"

#include "cable/pages/cable_type_page.h"

namespace telvane {

class CableTypePageView : public PageView {
  Q_OBJECT

 public:
  CableTypePageView(CableTypePage& page, QWidget* parent);
  void Refresh() override;

 private:
  CableTypePage& types_;
  QListWidget* list_;
  QLineEdit* name_;
  QLineEdit* resistance_;
  QLineEdit* factor_;
  QLabel* current_;
  QLabel* maximum_;
  QPushButton* receive_;
  QPushButton* send_;
  bool refreshing_ = false;
  bool editing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_TYPE_PAGE_VIEW_H_
