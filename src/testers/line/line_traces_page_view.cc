#include "testers/line/line_traces_page_view.h"

#include <QHBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

LineTracesPageView::LineTracesPageView(LineTracesPage& page, QWidget* parent)
    : PageView(page, parent), traces_(page) {
  panel_ = new TraceListPanel(this, Tr("Принять"), Tr("Сохранить..."));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(panel_);
  connect(panel_, &TraceListPanel::rowChosen, this, [this](int row) { traces_.Select(row); });
  connect(panel_->receive(), &QPushButton::clicked, this, [this] { traces_.Receive(); });
  connect(panel_->save(), &QPushButton::clicked, this, [this] { traces_.Save(); });
  Refresh();
}

void LineTracesPageView::Refresh() {
  std::vector<std::pair<QString, QString>> rows;
  for (const auto& [caption, value] : traces_.Panel())
    rows.emplace_back(Tr(caption.c_str()), Q(value));
  panel_->Show(traces_.Lines(), traces_.selected(), rows, traces_.PlotTraces());
}

}  // namespace telvane
