// The Qt view of the cable page of the reflectometer families: the checked
// cable list on the left; the selected cable's fields (those its family has),
// its sections and the values of the current section on the right; the four
// tool buttons above.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_CABLE_PAGE_VIEW_H_
#define TELVANE_CABLE_FAMILY_FAMILY_CABLE_PAGE_VIEW_H_

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "cable/family/family_cable_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class FamilyCablePageView : public PageView {
  Q_OBJECT

 public:
  FamilyCablePageView(FamilyCablePage& page, QWidget* parent);
  void Refresh() override;

 private:
  QLineEdit* ValueEdit(const char* name, SectionValue value);

  FamilyCablePage& cables_;
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

#endif  // TELVANE_CABLE_FAMILY_FAMILY_CABLE_PAGE_VIEW_H_
