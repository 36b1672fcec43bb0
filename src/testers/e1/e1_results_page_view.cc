#include "testers/e1/e1_results_page_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

E1ResultsPageView::E1ResultsPageView(E1ResultsPage& page, QWidget* parent)
    : PageView(page, parent), e1_(page) {
  auto* layout = new QVBoxLayout(this);
  results_ = new E1ResultsWidget(page.document(), this);
  layout->addWidget(results_, 1);
  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  auto* receive = Button(this, "Принять", "Receive");
  save_ = Button(this, "Сохранить...", "SavePage");
  auto* load = Button(this, "Открыть...", "LoadPage");
  protocol_ = Button(this, "Протокол...", "Protocol");
  chart_ = Button(this, "Сохранить график...", "SaveChart");
  for (QPushButton* b : {receive, save_, load, protocol_, chart_}) buttons->addWidget(b);
  buttons->addStretch();

  results_->OnSelectFile([this](int row) { e1_.Select(row); });
  results_->OnSelectRecord([this](int row) { e1_.SelectRecord(row); });
  connect(receive, &QPushButton::clicked, this, [this] { e1_.Receive(); });
  connect(save_, &QPushButton::clicked, this, [this] { e1_.SavePage(); });
  connect(load, &QPushButton::clicked, this, [this] { e1_.LoadPage(); });
  connect(protocol_, &QPushButton::clicked, this, [this] { e1_.Protocol(); });
  connect(chart_, &QPushButton::clicked, this, [this] {
    if (const auto path = e1_.ChooseChartPng()) SaveChartPng(results_->chart(), *path);
  });
  Refresh();
}

void E1ResultsPageView::Refresh() {
  results_->Refresh();
  const bool has_file = e1_.document().selected_file() != nullptr;
  save_->setEnabled(has_file);
  protocol_->setEnabled(has_file);
  chart_->setEnabled(has_file);
}

}  // namespace telvane
