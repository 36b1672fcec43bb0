#include "testers/xdsl/xdsl_log_page_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

XdslLogPageView::XdslLogPageView(XdslLogPage& page, QWidget* parent)
    : PageView(page, parent), xdsl_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  layout->addLayout(top, 1);

  auto* list_box = new QGroupBox(Tr("Логи"), this);
  auto* list_layout = new QVBoxLayout(list_box);
  list_ = new QListWidget(list_box);
  list_->setObjectName("Logs");
  list_layout->addWidget(list_);
  top->addWidget(list_box, 2);

  auto* log_box = new QGroupBox(Tr("Лог"), this);
  auto* log_layout = new QVBoxLayout(log_box);
  auto* form = new QFormLayout;
  name_ = new QLabel(log_box);
  name_->setObjectName("Name");
  mode_ = new QLabel(log_box);
  mode_->setObjectName("Mode");
  form->addRow(Tr("Наименование:"), name_);
  form->addRow(Tr("Режим:"), mode_);
  log_layout->addLayout(form);
  summary_ = new QTreeWidget(log_box);
  summary_->setObjectName("Summary");
  summary_->setRootIsDecorated(false);
  summary_->setHeaderLabels({QString(), QStringLiteral("Down"), QStringLiteral("Up")});
  summary_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  summary_->header()->setStretchLastSection(false);
  log_layout->addWidget(summary_, 1);
  top->addWidget(log_box, 3);

  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  auto* receive = Button(this, "Принять от прибора...", "Receive");
  save_ = Button(this, "Сохранить...", "Save");
  mark_all_ = Button(this, "Выделить все", "MarkAll");
  unmark_all_ = Button(this, "Снять выделение", "UnmarkAll");
  show_chart_ = Button(this, "Показать график", "ShowChart");
  save_chart_ = Button(this, "Сохранить график...", "SaveChart");
  for (QPushButton* b : {receive, save_, mark_all_, unmark_all_, show_chart_, save_chart_}) {
    buttons->addWidget(b);
  }
  buttons->addStretch();

  chart_ = new ChartWidget(this);
  chart_->setObjectName("Chart");
  layout->addWidget(chart_, 3);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) xdsl_.Select(static_cast<size_t>(row));
  });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) {
      xdsl_.SetMarked(static_cast<size_t>(list_->row(item)), item->checkState() == Qt::Checked);
    }
  });
  connect(receive, &QPushButton::clicked, this, [this] { xdsl_.ReceiveList(); });
  connect(save_, &QPushButton::clicked, this, [this] { xdsl_.Save(); });
  connect(mark_all_, &QPushButton::clicked, this, [this] { xdsl_.AskMarkAll(); });
  connect(unmark_all_, &QPushButton::clicked, this, [this] { xdsl_.AskUnmarkAll(); });
  connect(show_chart_, &QPushButton::clicked, this, [this] { xdsl_.ReceiveSelectedLog(); });
  connect(save_chart_, &QPushButton::clicked, this, [this] {
    // The picture as shown, with its marker.
    xdsl_.SaveChart([this](const ChartFigure&) { return chart_->PngBytes(); });
  });
  Refresh();
}

void XdslLogPageView::Refresh() {
  refreshing_ = true;
  const auto& entries = xdsl_.entries();
  list_->clear();
  for (size_t i = 0; i < entries.size(); ++i) {
    auto* item = new QListWidgetItem(Q(entries[i].name), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(xdsl_.marks()[i] ? Qt::Checked : Qt::Unchecked);
  }
  if (xdsl_.selected()) list_->setCurrentRow(static_cast<int>(*xdsl_.selected()));
  name_->setText(Q(xdsl_.SelectedName()));
  mode_->setText(Tr(xdsl_.SelectedMode().c_str()));
  summary_->clear();
  for (const XdslSummaryRow& row : xdsl_.SummaryRows()) {
    auto* item = new QTreeWidgetItem(summary_, {Q(row.label), Q(row.down), Q(row.up)});
    item->setTextAlignment(1, Qt::AlignRight);
    item->setTextAlignment(2, Qt::AlignRight);
  }
  std::optional<ChartFigure> chart = xdsl_.SelectedChart();
  chart_->SetFigure(chart ? std::move(*chart) : ChartFigure{});
  const bool has_entries = xdsl_.can_save();
  save_->setEnabled(has_entries);
  mark_all_->setEnabled(has_entries);
  unmark_all_->setEnabled(has_entries);
  show_chart_->setEnabled(xdsl_.selected().has_value());
  save_chart_->setEnabled(chart.has_value());
  refreshing_ = false;
}

}  // namespace telvane
