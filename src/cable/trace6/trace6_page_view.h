// The kind 6 reflectogram page on screen: the list of traces, the panel of
// the current one, "Принять" and "Сохранить...", and the trace plot.
#ifndef TELVANE_CABLE_TRACE6_TRACE6_PAGE_VIEW_H_
#define TELVANE_CABLE_TRACE6_TRACE6_PAGE_VIEW_H_

#include <QFormLayout>

#include "cable/trace6/trace6_page.h"
#include "page/gui/page_view.h"
#include "storage/trace/plot/gui/trace_plot_panel.h"

namespace telvane {

class Trace6PageView : public PageView {
  Q_OBJECT

 public:
  Trace6PageView(Trace6Page& page, QWidget* parent);
  void Refresh() override;

 private:
  Trace6Page& trace_;
  QListWidget* list_;
  QFormLayout* panel_;
  TracePlotPanel* plot_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_TRACE6_TRACE6_PAGE_VIEW_H_
