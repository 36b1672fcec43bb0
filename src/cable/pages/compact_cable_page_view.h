// The Qt view of the compact family's cable page.
#ifndef TELVANE_CABLE_PAGES_COMPACT_CABLE_PAGE_VIEW_H_
#define TELVANE_CABLE_PAGES_COMPACT_CABLE_PAGE_VIEW_H_

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "cable/pages/compact_cable_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class CompactCablePageView : public PageView {
  Q_OBJECT

 public:
  CompactCablePageView(CompactCablePage& page, QWidget* parent);
  void Refresh() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CompactCablePage& compact_;
  QListWidget* list_;
  QLineEdit* name_;
  QLineEdit* new_name_;
  QComboBox* temperature_;
  QLineEdit* section_count_;
  QListWidget* sections_;
  QComboBox* type_;
  QLabel* diameter_;
  QLabel* capacitance_;
  QLineEdit* length_;
  QLabel* total_;
  QCheckBox* calculation_;
  QLabel* instrument_;
  QLabel* maximum_;
  QLabel* position_;
  QPushButton* receive_;
  QPushButton* send_;
  bool refreshing_ = false;
  bool editing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_COMPACT_CABLE_PAGE_VIEW_H_
