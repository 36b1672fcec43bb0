#include "cable/trace6/trace6_page_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using cable_view::Q;
using cable_view::Tr;

Trace6PageView::Trace6PageView(Trace6Page& page, QWidget* parent)
    : PageView(page, parent), trace_(page) {
  list_ = new QListWidget(this);
  list_->setObjectName("Reflectograms");
  auto* receive = new QPushButton(Tr("Принять"), this);
  receive->setObjectName("Receive");
  auto* save = new QPushButton(Tr("Сохранить..."), this);
  save->setObjectName("Save");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(receive);
  buttons->addWidget(save);
  panel_ = new QFormLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addLayout(panel_);
  left->addLayout(buttons);
  plot_ = new TracePlotPanel(this);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 0);
  layout->addWidget(plot_, 1);
  list_->setMaximumWidth(260);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) trace_.Select(row);
  });
  connect(receive, &QPushButton::clicked, this, [this] { trace_.Receive(); });
  connect(save, &QPushButton::clicked, this, [this] { trace_.Save(); });
  Refresh();
}

void Trace6PageView::Refresh() {
  refreshing_ = true;
  list_->clear();
  for (const std::string& line : trace_.Lines()) list_->addItem(Q(line));
  if (trace_.count() > 0) list_->setCurrentRow(trace_.selected());
  refreshing_ = false;
  while (panel_->rowCount() > 0) panel_->removeRow(0);
  for (const auto& [caption, value] : trace_.Panel()) {
    panel_->addRow(Tr(caption.c_str()), new QLabel(Q(value), this));
  }
  plot_->model().Clear();
  for (PlotTrace& t : trace_.PlotTraces()) plot_->model().AddTrace(std::move(t));
  plot_->Refresh();
}

}  // namespace telvane
