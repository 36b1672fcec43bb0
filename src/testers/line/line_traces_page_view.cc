#include "testers/line/line_traces_page_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

LineTracesPageView::LineTracesPageView(LineTracesPage& page, QWidget* parent)
    : PageView(page, parent), traces_(page) {
  list_ = new QListWidget(this);
  list_->setObjectName("Reflectograms");
  list_->setMaximumWidth(260);
  auto* receive = Button(this, "Принять", "Receive");
  auto* save = Button(this, "Сохранить...", "Save");
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

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) traces_.Select(row);
  });
  connect(receive, &QPushButton::clicked, this, [this] { traces_.Receive(); });
  connect(save, &QPushButton::clicked, this, [this] { traces_.Save(); });
  Refresh();
}

void LineTracesPageView::Refresh() {
  refreshing_ = true;
  list_->clear();
  for (const std::string& line : traces_.Lines()) list_->addItem(Q(line));
  if (!traces_.traces().empty()) list_->setCurrentRow(traces_.selected());
  refreshing_ = false;
  while (panel_->rowCount() > 0) panel_->removeRow(0);
  for (const auto& [caption, value] : traces_.Panel()) {
    panel_->addRow(Tr(caption.c_str()), new QLabel(Q(value), this));
  }
  plot_->model().Clear();
  for (PlotTrace& t : traces_.PlotTraces()) plot_->model().AddTrace(std::move(t));
  plot_->Refresh();
}

}  // namespace telvane
