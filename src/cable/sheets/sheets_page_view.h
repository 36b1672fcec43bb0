// The Qt view of the sheet page: "Список листов:" with the status beside it,
// "Информация:" of the selected entry, "Сохранить...", and on kind 13's
// second page "Принять...".
#ifndef TELVANE_CABLE_SHEETS_SHEETS_PAGE_VIEW_H_
#define TELVANE_CABLE_SHEETS_SHEETS_PAGE_VIEW_H_

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "cable/sheets/sheets_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class SheetsPageView : public PageView {
  Q_OBJECT

 public:
  SheetsPageView(SheetsPage& page, QWidget* parent);
  // The list's selection changes while the widget goes: it must no longer
  // reach this view.
  ~SheetsPageView() override { list_->disconnect(this); }
  void Refresh() override;

 private:
  SheetsPage& sheets_;
  QListWidget* list_;
  QLabel* status_;
  QPlainTextEdit* information_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_SHEETS_SHEETS_PAGE_VIEW_H_
