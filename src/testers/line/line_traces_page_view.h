// The line tester's reflectograms on screen: the list, the panel of the one
// under the cursor, "Принять" and "Сохранить...", and the trace plot.
#ifndef TELVANE_TESTERS_LINE_LINE_TRACES_PAGE_VIEW_H_
#define TELVANE_TESTERS_LINE_LINE_TRACES_PAGE_VIEW_H_

#include "page/gui/page_view.h"
#include "storage/trace/plot/gui/trace_list_panel.h"
#include "testers/line/line_traces_page.h"

namespace telvane {

class LineTracesPageView : public PageView {
  Q_OBJECT

 public:
  LineTracesPageView(LineTracesPage& page, QWidget* parent);
  void Refresh() override;

 private:
  LineTracesPage& traces_;
  TraceListPanel* panel_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_TRACES_PAGE_VIEW_H_
