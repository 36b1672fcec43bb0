#include "testers/ethernet/ethernet_results_page_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

EthernetResultsPageView::EthernetResultsPageView(EthernetResultsPage& page, QWidget* parent)
    : PageView(page, parent), ethernet_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  layout->addLayout(top, 1);
  auto* list_box = new QGroupBox(Tr("Список файлов"), this);
  auto* list_layout = new QVBoxLayout(list_box);
  list_ = new QListWidget(list_box);
  list_->setObjectName("FileList");
  list_layout->addWidget(list_);
  top->addWidget(list_box, 1);

  auto* info_box = new QGroupBox(Tr("Информация"), this);
  auto* info_layout = new QVBoxLayout(info_box);
  selection_ = new QLabel(info_box);
  selection_->setObjectName("Selection");
  selection_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  info_layout->addWidget(selection_, 1);
  units_ = new QComboBox(info_box);
  units_->setObjectName("Units");
  for (const std::string& name : EthernetResultsPage::UnitNames()) {
    units_->addItem(Tr(name.c_str()));
  }
  info_layout->addWidget(units_);
  auto* buttons = new QHBoxLayout;
  auto* receive = Button(info_box, "Принять", "Receive");
  report_ = Button(info_box, "Отчёт...", "Report");
  chart_button_ = Button(info_box, "Сохранить график...", "SaveChart");
  for (QPushButton* b : {receive, report_, chart_button_}) buttons->addWidget(b);
  info_layout->addLayout(buttons);
  top->addWidget(info_box, 1);

  chart_ = new EthernetChartWidget(this);
  layout->addWidget(chart_, 1);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) ethernet_.Select(row);
  });
  connect(units_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) ethernet_.SetUnit(index);
  });
  connect(receive, &QPushButton::clicked, this, [this] { ethernet_.Receive(); });
  connect(report_, &QPushButton::clicked, this, [this] { ethernet_.Report(); });
  connect(chart_button_, &QPushButton::clicked, this, [this] {
    if (const auto path = ethernet_.ChooseChartPng()) SaveChartPng(*chart_, *path);
  });
  Refresh();
}

void EthernetResultsPageView::Refresh() {
  refreshing_ = true;
  list_->clear();
  for (const std::string& line : ethernet_.lines()) list_->addItem(Q(line));
  list_->setCurrentRow(ethernet_.selected());
  selection_->setText(Lines(ethernet_.SelectionText()));
  units_->setCurrentIndex(ethernet_.unit());
  report_->setEnabled(ethernet_.can_report());
  const Rfc2544Result* result = ethernet_.selected_result();
  chart_->SetSeries(result != nullptr ? EthernetChart(*result, ethernet_.unit())
                                      : std::vector<EthernetChartSeries>{});
  chart_button_->setEnabled(result != nullptr);
  refreshing_ = false;
}

}  // namespace telvane
