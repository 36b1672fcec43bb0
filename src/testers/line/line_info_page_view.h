// The line tester's information page on screen: the version and the seven
// counts, "Обновить" and "Удалить все измерения".
#ifndef TELVANE_TESTERS_LINE_LINE_INFO_PAGE_VIEW_H_
#define TELVANE_TESTERS_LINE_LINE_INFO_PAGE_VIEW_H_

#include <QTreeWidget>

#include "page/gui/page_view.h"
#include "testers/line/line_info_page.h"

namespace telvane {

class LineInfoPageView : public PageView {
  Q_OBJECT

 public:
  LineInfoPageView(LineInfoPage& page, QWidget* parent);
  void Refresh() override;

 private:
  LineInfoPage& info_;
  QTreeWidget* rows_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_INFO_PAGE_VIEW_H_
