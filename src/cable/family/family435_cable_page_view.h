// The Qt view of the cable page of kinds 11, 12 and 16: the checked cable
// list on the left; the selected cable's fields, its sections and the values
// of the current section on the right; the four tool buttons above.
#ifndef TELVANE_CABLE_FAMILY_FAMILY435_CABLE_PAGE_VIEW_H_
#define TELVANE_CABLE_FAMILY_FAMILY435_CABLE_PAGE_VIEW_H_

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "cable/family/family435_cable_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class Family435CablePageView : public PageView {
  Q_OBJECT

 public:
  Family435CablePageView(Family435CablePage& page, QWidget* parent);
  void Refresh() override;

 private:
  QLineEdit* ValueEdit(const char* name, SectionValue value);

  Family435CablePage& cables_;
  bool refreshing_ = false;
  QListWidget* list_;
  QLineEdit* name_;
  QSpinBox* pairs_;
  QComboBox* temperature_;
  QSpinBox* number_;
  QCheckBox* option_;
  QListWidget* sections_;
  QComboBox* type_;
  QLabel* label2_;
  QLabel* label4_;
  QLineEdit* value1_;
  QLineEdit* value2_;
  QLineEdit* value3_;
  QLineEdit* value4_;
  QLabel* derived_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY435_CABLE_PAGE_VIEW_H_
