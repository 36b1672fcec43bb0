#include "cable/family/family_info_page_view.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace telvane {

FamilyInfoPageView::FamilyInfoPageView(FamilyInfoPage& page, QWidget* parent)
    : PageView(page, parent), info_(page) {
  auto* layout = new QVBoxLayout(this);
  rows_ = new QListWidget(this);
  rows_->setObjectName("InfoRows");
  layout->addWidget(rows_);
  Refresh();
}

void FamilyInfoPageView::Refresh() {
  rows_->clear();
  for (const auto& [label, value] : info_.Rows()) {
    rows_->addItem(QCoreApplication::translate("Pages", label.c_str()) + ": " +
                   QString::fromStdString(value));
  }
}

}  // namespace telvane
