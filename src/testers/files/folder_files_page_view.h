// The Qt view of the measurement folders: the list "Доступные файлы:" with one
// item per top-level folder of the instrument, and the buttons "Принять от
// прибора...", "Удалить на приборе..." (enabled while a folder is selected)
// and "Обновить ПО прибора...".
#ifndef TELVANE_TESTERS_FILES_FOLDER_FILES_PAGE_VIEW_H_
#define TELVANE_TESTERS_FILES_FOLDER_FILES_PAGE_VIEW_H_

#include <QListWidget>
#include <QPushButton>

#include "page/gui/page_view.h"
#include "testers/files/folder_files_page.h"

namespace telvane {

class FolderFilesPageView : public PageView {
  Q_OBJECT

 public:
  FolderFilesPageView(FolderFilesPage& page, QWidget* parent);
  void Refresh() override;

 private:
  FolderFilesPage& folders_;
  QListWidget* list_;
  QPushButton* receive_;
  QPushButton* delete_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FOLDER_FILES_PAGE_VIEW_H_
