#include "app/gui/app_page_views.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QVBoxLayout>

#include "page/gui/measurement_text.h"

namespace telvane {

InfoPageView::InfoPageView(InfoPage& page, QWidget* parent) : PageView(page, parent), info_(page) {
  auto* layout = new QFormLayout(this);
  name_ = new QLineEdit(this);
  name_->setObjectName("Name");
  name_->setReadOnly(true);
  serial_ = new QLineEdit(this);
  serial_->setObjectName("Serial");
  serial_->setReadOnly(true);
  layout->addRow(QCoreApplication::translate("InfoPage", "Наименование"), name_);
  layout->addRow(QCoreApplication::translate("InfoPage", "Серийный номер"), serial_);
  Refresh();
}

void InfoPageView::Refresh() {
  name_->setText(QString::fromStdString(info_.name()));
  serial_->setText(QString::fromStdString(info_.serial()));
}

TextPlannedPageView::TextPlannedPageView(TextPlannedPage& page, QWidget* parent)
    : PageView(page, parent), planned_(page) {
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  list_->setObjectName("PlannedList");
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  QStringList headings;
  for (const std::string& h : TextPlannedPage::Headings()) headings << QString::fromStdString(h);
  list_->setHeaderLabels(headings);
  layout->addWidget(list_);
  save_ = new QPushButton(QCoreApplication::translate("Pages", "Сохранить..."), this);
  save_->setObjectName("Save");
  save_->setAutoDefault(false);
  layout->addWidget(save_, 0, Qt::AlignRight);
  connect(save_, &QPushButton::clicked, this, [this] { planned_.Save(); });
  Refresh();
}

void TextPlannedPageView::Refresh() {
  list_->clear();
  for (const std::vector<std::string>& row : planned_.Rows()) {
    QStringList cells;
    for (const std::string& cell : row) cells << MeasurementText(cell).trimmed();
    list_->addTopLevelItem(new QTreeWidgetItem(cells));
  }
  for (int c = 0; c < list_->columnCount(); ++c) list_->resizeColumnToContents(c);
  save_->setEnabled(!planned_.records().empty());
}

}  // namespace telvane

namespace telvane {

ViewList AppPageViews() {
  return {
      {PageId::kInstrumentInfo, ViewOf<InfoPage, InfoPageView>},
      {PageId::kTextPlanned, ViewOf<TextPlannedPage, TextPlannedPageView>},
  };
}

}  // namespace telvane
