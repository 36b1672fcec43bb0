// The Qt view of the database service page: the five fields of the database
// information record and the buttons "Принять БД...", "Передать БД...",
// "Обновить ПО..." and "Принять sysinfo...", the last two enabled by the
// instrument's version.
#ifndef TELVANE_TESTERS_FILES_DATABASE_SERVICE_PAGE_VIEW_H_
#define TELVANE_TESTERS_FILES_DATABASE_SERVICE_PAGE_VIEW_H_

#include <QLineEdit>
#include <QPushButton>

#include "page/gui/page_view.h"
#include "testers/files/database_service_page.h"

namespace telvane {

class DatabaseServicePageView : public PageView {
  Q_OBJECT

 public:
  DatabaseServicePageView(DatabaseServicePage& page, QWidget* parent);
  void Refresh() override;

 private:
  DatabaseServicePage& service_;
  QLineEdit* version_;
  QLineEdit* cable_types_;
  QLineEdit* cables_;
  QLineEdit* reflectograms_;
  QLineEdit* size_;
  QPushButton* receive_;
  QPushButton* send_;
  QPushButton* update_;
  QPushButton* sysinfo_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_DATABASE_SERVICE_PAGE_VIEW_H_
