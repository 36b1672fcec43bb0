#include "cable/sheets/sheets_page_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using cable_view::Button;
using cable_view::Q;
using cable_view::Tr;

SheetsPageView::SheetsPageView(SheetsPage& page, QWidget* parent)
    : PageView(page, parent), sheets_(page) {
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* list_box = new QGroupBox(Tr("Список листов:"), this);
  auto* list_layout = new QVBoxLayout(list_box);
  list_ = new QListWidget(list_box);
  list_->setObjectName("Sheets");
  list_layout->addWidget(list_);
  status_ = new QLabel(list_box);
  status_->setObjectName("Status");
  list_layout->addWidget(status_);
  left->addWidget(list_box);
  auto* buttons = new QHBoxLayout;
  if (auto* second = dynamic_cast<SheetsReceivePage*>(&page)) {
    auto* receive = Button(this, "Принять...", "Receive");
    connect(receive, &QPushButton::clicked, this, [second] { second->Receive(); });
    buttons->addWidget(receive);
  }
  auto* save = Button(this, "Сохранить...", "Save");
  connect(save, &QPushButton::clicked, this, [this] { sheets_.Save(); });
  buttons->addWidget(save);
  left->addLayout(buttons);
  layout->addLayout(left, 1);

  auto* info_box = new QGroupBox(Tr("Информация:"), this);
  auto* info_layout = new QVBoxLayout(info_box);
  information_ = new QPlainTextEdit(info_box);
  information_->setObjectName("Information");
  information_->setReadOnly(true);
  info_layout->addWidget(information_);
  layout->addWidget(info_box, 1);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) sheets_.Select(row);
  });
  Refresh();
}

void SheetsPageView::Refresh() {
  refreshing_ = true;
  list_->clear();
  for (const std::string& entry : sheets_.Entries()) list_->addItem(Q(entry));
  list_->setCurrentRow(sheets_.selected());
  refreshing_ = false;
  status_->setText(Tr(sheets_.Status().c_str()));
  QString text = Q(sheets_.Information());
  text.remove(QLatin1Char('\r'));
  information_->setPlainText(text);
}

}  // namespace telvane
