#include "testers/line/line_records_page_view.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

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
  layout->addWidget(text_, 1);

  connect(receive, &QPushButton::clicked, this,
          [this] { records_.Receive(kinds_->currentIndex()); });
  connect(report_, &QPushButton::clicked, this, [this] { records_.SaveReport(); });
  Refresh();
}

void LineRecordsPageView::Refresh() {
  text_->setPlainText(Lines(records_.Text()));
  report_->setEnabled(records_.kind().has_value());
}

}  // namespace telvane
