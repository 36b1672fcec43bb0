#include "testers/files/file_browser_page_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "testers/files/file_list_view.h"
#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

FileBrowserPageView::FileBrowserPageView(FileBrowserPage& page, QWidget* parent)
    : PageView(page, parent), browser_(page) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Tr("Доступные файлы:"), this));
  folder_ = new QLabel(this);
  folder_->setObjectName("Folder");
  layout->addWidget(folder_);
  list_ = new QListWidget(this);
  list_->setObjectName("Files");
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  receive_ = Button(this, "Принять от прибора...", "Receive");
  delete_ = Button(this, "Удалить на приборе...", "Delete");
  change_ = Button(this, "Сменить папку", "ChangeFolder");
  for (QPushButton* b : {receive_, delete_, change_}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { browser_.Select(file_view::Row(row)); });
  // Opening a folder lists it again, which rebuilds the list: that happens
  // after the double click's own signal has returned.
  connect(list_, &QListWidget::doubleClicked, this, [this](const QModelIndex& index) {
    const int row = index.row();
    QMetaObject::invokeMethod(
        this, [this, row] { browser_.Open(static_cast<size_t>(row)); }, Qt::QueuedConnection);
  });
  connect(receive_, &QPushButton::clicked, this, [this] { browser_.ReceiveSelected(); });
  connect(delete_, &QPushButton::clicked, this, [this] { browser_.DeleteSelected(); });
  connect(change_, &QPushButton::clicked, this, [this] { browser_.OpenSelected(); });
  Refresh();
}

void FileBrowserPageView::Refresh() {
  folder_->setText(Q(browser_.current_folder()));
  file_view::ShowEntries(*list_, browser_.entries(), browser_.selected());
  receive_->setEnabled(browser_.receive_enabled());
  delete_->setEnabled(browser_.delete_enabled());
  change_->setEnabled(browser_.change_enabled());
}

}  // namespace telvane
