#include "testers/e1/e1_results_widget_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "testers/e1/e1_chart.h"
#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

E1ResultsWidget::E1ResultsWidget(const E1Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* top = new QHBoxLayout;
  layout->addLayout(top, 3);

  auto* list_box = new QGroupBox(Tr("Список файлов"), this);
  auto* list_layout = new QVBoxLayout(list_box);
  files_ = new QListWidget(list_box);
  files_->setObjectName("FileList");
  list_layout->addWidget(files_);
  top->addWidget(list_box, 1);

  auto* info_box = new QGroupBox(Tr("Информация"), this);
  auto* info_layout = new QVBoxLayout(info_box);
  summary_ = new QLabel(info_box);
  summary_->setObjectName("Summary");
  summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  info_layout->addWidget(summary_);
  records_ = new QListWidget(info_box);
  records_->setObjectName("Records");
  info_layout->addWidget(records_, 1);
  top->addWidget(info_box, 1);

  results_ = new QTreeWidget(this);
  results_->setObjectName("IntervalResults");
  results_->setColumnCount(3);
  results_->setHeaderLabels({Tr("Параметр"), Tr("Количество"), Tr("Коэффициент")});
  results_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  top->addWidget(results_, 2);

  chart_ = new E1ChartWidget(this);
  layout->addWidget(chart_, 2);

  connect(files_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0 && select_file_) select_file_(row);
  });
  connect(records_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0 && select_record_) select_record_(row);
  });
  Refresh();
}

void E1ResultsWidget::Refresh() {
  refreshing_ = true;
  files_->clear();
  for (const std::string& line : document_.ListLines()) files_->addItem(Q(line));
  files_->setCurrentRow(document_.selected());
  summary_->setText(Lines(document_.SummaryText()));
  records_->clear();
  for (const std::string& stamp : document_.RecordStamps()) records_->addItem(Q(stamp));
  records_->setCurrentRow(document_.selected_record());
  results_->clear();
  for (const E1ResultSection& section : document_.IntervalResults()) {
    auto* head = new QTreeWidgetItem(results_, {Q(section.title), "", Q(section.ratio_heading)});
    head->setFirstColumnSpanned(false);
    for (const E1ResultRow& row : section.rows) {
      new QTreeWidgetItem(head, {Q(row.name), QString::number(row.count), Q(row.ratio)});
    }
  }
  results_->expandAll();
  const E1File* file = document_.selected_file();
  chart_->SetModel(file != nullptr ? E1ChartModel(*file, document_.selected_record())
                                   : E1ChartModel());
  refreshing_ = false;
}

}  // namespace telvane
