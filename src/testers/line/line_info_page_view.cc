#include "testers/line/line_info_page_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

LineInfoPageView::LineInfoPageView(LineInfoPage& page, QWidget* parent)
    : PageView(page, parent), info_(page) {
  auto* layout = new QVBoxLayout(this);
  rows_ = new QTreeWidget(this);
  rows_->setObjectName("Rows");
  rows_->setColumnCount(2);
  rows_->setHeaderHidden(true);
  rows_->setRootIsDecorated(false);
  rows_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  layout->addWidget(rows_, 1);
  auto* buttons = new QHBoxLayout;
  auto* refresh = Button(this, "Обновить", "Refresh");
  auto* remove = Button(this, "Удалить все измерения", "DeleteAll");
  buttons->addWidget(refresh);
  buttons->addStretch(1);
  buttons->addWidget(remove);
  layout->addLayout(buttons);
  connect(refresh, &QPushButton::clicked, this, [this] { info_.Refresh(); });
  connect(remove, &QPushButton::clicked, this, [this] { info_.DeleteAll(); });
  Refresh();
}

void LineInfoPageView::Refresh() {
  rows_->clear();
  for (const auto& [label, value] : info_.Rows()) {
    rows_->addTopLevelItem(new QTreeWidgetItem({Tr(label.c_str()), Q(value)}));
  }
}

}  // namespace telvane
