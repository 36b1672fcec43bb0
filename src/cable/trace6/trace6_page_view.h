// The kind 6 reflectogram page on screen: the list of traces, the panel of
// the current one, "Принять" and "Сохранить...", and the trace plot.
#ifndef TELVANE_CABLE_TRACE6_TRACE6_PAGE_VIEW_H_
#define TELVANE_CABLE_TRACE6_TRACE6_PAGE_VIEW_H_

#include "cable/trace6/trace6_page.h"
#include "page/gui/page_view.h"
#include "storage/trace/plot/gui/trace_list_panel.h"

namespace telvane {

class Trace6PageView : public PageView {
  Q_OBJECT

 public:
  Trace6PageView(Trace6Page& page, QWidget* parent);
  void Refresh() override;

 private:
  Trace6Page& trace_;
  TraceListPanel* panel_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_TRACE6_TRACE6_PAGE_VIEW_H_
