#include "testers/files/folder_files_page_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "testers/files/file_list_view.h"
#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

FolderFilesPageView::FolderFilesPageView(FolderFilesPage& page, QWidget* parent)
    : PageView(page, parent), folders_(page) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Tr("Доступные файлы:"), this));
  list_ = new QListWidget(this);
  list_->setObjectName("Folders");
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  receive_ = Button(this, "Принять от прибора...", "Receive");
  delete_ = Button(this, "Удалить на приборе...", "Delete");
  auto* update = Button(this, "Обновить ПО прибора...", "UpdateSoftware");
  for (QPushButton* b : {receive_, delete_, update}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { folders_.Select(file_view::Row(row)); });
  connect(receive_, &QPushButton::clicked, this, [this] { folders_.ReceiveSelected(); });
  connect(delete_, &QPushButton::clicked, this, [this] { folders_.DeleteSelected(); });
  connect(update, &QPushButton::clicked, this, [this] { folders_.UpdateSoftware(); });
  Refresh();
}

void FolderFilesPageView::Refresh() {
  QStringList names;
  for (const std::string& folder : folders_.folders()) names.push_back(Q(folder));
  // Plain items: only the file browser tells folders from files by colour.
  file_view::ShowRows(*list_, names, {}, folders_.selected());
  receive_->setEnabled(folders_.actions_enabled());
  delete_->setEnabled(folders_.actions_enabled());
}

}  // namespace telvane
