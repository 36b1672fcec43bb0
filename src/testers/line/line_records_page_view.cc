#include "testers/line/line_records_page_view.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/sprintf.h"
#include "testers/line/line_chart.h"
#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

LineRecordsPageView::LineRecordsPageView(LineRecordsPage& page, QWidget* parent)
    : PageView(page, parent), records_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(Tr("Вид измерений:"), this));
  kinds_ = new QComboBox(this);
  kinds_->setObjectName("Kinds");
  for (const std::string& choice : LineRecordsPage::Choices()) kinds_->addItem(Tr(choice.c_str()));
  top->addWidget(kinds_);
  auto* receive = Button(this, "Принять", "Receive");
  report_ = Button(this, "Отчёт...", "Report");
  top->addWidget(receive);
  top->addStretch(1);
  top->addWidget(report_);
  layout->addLayout(top);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("Text");
  text_->setReadOnly(true);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setTabStopDistance(40);
  auto* middle = new QHBoxLayout;
  middle->addWidget(text_, 2);
  auto* chart_side = new QVBoxLayout;
  auto* chart_top = new QHBoxLayout;
  chart_top->addWidget(new QLabel(Tr("Запись:"), this));
  chosen_ = new QComboBox(this);
  chosen_->setObjectName("ChartRecord");
  chart_top->addWidget(chosen_, 1);
  save_chart_ = Button(this, "Сохранить график...", "SaveChart");
  chart_top->addWidget(save_chart_);
  chart_side->addLayout(chart_top);
  chart_ = new ChartWidget(this);
  chart_->setObjectName("Chart");
  chart_side->addWidget(chart_, 1);
  middle->addLayout(chart_side, 3);
  layout->addLayout(middle, 1);

  connect(receive, &QPushButton::clicked, this,
          [this] { records_.Receive(kinds_->currentIndex()); });
  connect(report_, &QPushButton::clicked, this, [this] { records_.SaveReport(); });
  connect(chosen_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) chart_->SetFigure(records_.Chart(static_cast<size_t>(index)));
  });
  connect(save_chart_, &QPushButton::clicked, this, [this] {
    if (const auto path = records_.ChooseChartPng()) chart_->SavePng(Q(*path));
  });
  Refresh();
}

void LineRecordsPageView::Refresh() {
  text_->setPlainText(Lines(records_.Text()));
  report_->setEnabled(records_.kind().has_value());
  refreshing_ = true;
  const int chosen = std::max(chosen_->currentIndex(), 0);
  chosen_->clear();
  const bool charted = records_.kind() && LineKindHasChart(*records_.kind());
  for (size_t i = 0; charted && i < records_.record_count(); ++i) {
    chosen_->addItem(QString::fromStdString(Sprintf("Запись № %.2d", static_cast<int>(i + 1))));
  }
  if (chosen_->count() > 0) chosen_->setCurrentIndex(std::min(chosen, chosen_->count() - 1));
  refreshing_ = false;
  const ChartFigure figure =
      records_.Chart(static_cast<size_t>(std::max(chosen_->currentIndex(), 0)));
  save_chart_->setEnabled(!figure.empty());
  chosen_->setEnabled(chosen_->count() > 1);
  chart_->SetFigure(figure);
}

}  // namespace telvane
