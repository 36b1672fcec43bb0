// The Qt view of the file browser: the current folder, the list "Доступные
// файлы:" (".." first, folders blue) opened by double click, and the buttons
// "Принять от прибора...", "Удалить на приборе...", "Сменить папку" enabled
// by the selected entry.
#ifndef TELVANE_TESTERS_FILES_FILE_BROWSER_PAGE_VIEW_H_
#define TELVANE_TESTERS_FILES_FILE_BROWSER_PAGE_VIEW_H_

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "page/gui/page_view.h"
#include "testers/files/file_browser_page.h"

namespace telvane {

class FileBrowserPageView : public PageView {
  Q_OBJECT

 public:
  FileBrowserPageView(FileBrowserPage& page, QWidget* parent);
  void Refresh() override;

 private:
  FileBrowserPage& browser_;
  QLabel* folder_;
  QListWidget* list_;
  QPushButton* receive_;
  QPushButton* delete_;
  QPushButton* change_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_BROWSER_PAGE_VIEW_H_
