#include "cable/trace6/trace6_page_view.h"

#include <QHBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using cable_view::Q;
using cable_view::Tr;

Trace6PageView::Trace6PageView(Trace6Page& page, QWidget* parent)
    : PageView(page, parent), trace_(page) {
  panel_ = new TraceListPanel(this, Tr("Принять"), Tr("Сохранить..."));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(panel_);
  connect(panel_, &TraceListPanel::rowChosen, this, [this](int row) { trace_.Select(row); });
  connect(panel_->receive(), &QPushButton::clicked, this, [this] { trace_.Receive(); });
  connect(panel_->save(), &QPushButton::clicked, this, [this] { trace_.Save(); });
  Refresh();
}

void Trace6PageView::Refresh() {
  std::vector<std::pair<QString, QString>> rows;
  for (const auto& [caption, value] : trace_.Panel())
    rows.emplace_back(Tr(caption.c_str()), Q(value));
  panel_->Show(trace_.Lines(), trace_.count() > 0 ? trace_.selected() : 0, rows,
               trace_.PlotTraces());
}

}  // namespace telvane
