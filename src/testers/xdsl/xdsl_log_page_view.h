// The Qt view of the xDSL log page: the list of logs with their marks, the
// name, mode and summary of the selected one, its chart, and the buttons
// "Принять от прибора...", "Сохранить...", "Выделить все", "Снять
// выделение", "Показать график" and "Сохранить график...".
#ifndef TELVANE_TESTERS_XDSL_XDSL_LOG_PAGE_VIEW_H_
#define TELVANE_TESTERS_XDSL_XDSL_LOG_PAGE_VIEW_H_

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "page/gui/page_view.h"
#include "storage/chart/gui/chart_widget.h"
#include "testers/xdsl/xdsl_log_page.h"

namespace telvane {

class XdslLogPageView : public PageView {
  Q_OBJECT

 public:
  XdslLogPageView(XdslLogPage& page, QWidget* parent);
  void Refresh() override;

 private:
  XdslLogPage& xdsl_;
  QListWidget* list_;
  QLabel* name_;
  QLabel* mode_;
  QTreeWidget* summary_;
  QPushButton* save_;
  QPushButton* mark_all_;
  QPushButton* unmark_all_;
  QPushButton* show_chart_;
  QPushButton* save_chart_;
  ChartWidget* chart_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_LOG_PAGE_VIEW_H_
