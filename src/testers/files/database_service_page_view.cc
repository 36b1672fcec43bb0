#include "testers/files/database_service_page_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <string>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

namespace {

QLineEdit* Field(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  return field;
}

}  // namespace

DatabaseServicePageView::DatabaseServicePageView(DatabaseServicePage& page, QWidget* parent)
    : PageView(page, parent), service_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  version_ = Field(this, "Version");
  cable_types_ = Field(this, "CableTypes");
  cables_ = Field(this, "Cables");
  reflectograms_ = Field(this, "Reflectograms");
  size_ = Field(this, "DatabaseSize");
  form->addRow(Tr("Версия прибора"), version_);
  form->addRow(Tr("Количество типов кабелей"), cable_types_);
  form->addRow(Tr("Количество кабелей в БД"), cables_);
  form->addRow(Tr("Количество рефлектограмм в БД"), reflectograms_);
  form->addRow(Tr("Размер файла базы данных"), size_);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  receive_ = Button(this, "Принять БД...", "ReceiveDatabase");
  send_ = Button(this, "Передать БД...", "SendDatabase");
  update_ = Button(this, "Обновить ПО...", "UpdateSoftware");
  sysinfo_ = Button(this, "Принять sysinfo...", "ReceiveSysinfo");
  for (QPushButton* b : {receive_, send_, update_, sysinfo_}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();

  connect(receive_, &QPushButton::clicked, this, [this] { service_.ReceiveDatabase(); });
  connect(send_, &QPushButton::clicked, this, [this] { service_.SendDatabase(); });
  connect(update_, &QPushButton::clicked, this, [this] { service_.UpdateSoftware(); });
  connect(sysinfo_, &QPushButton::clicked, this, [this] { service_.ReceiveSysinfo(); });
  Refresh();
}

void DatabaseServicePageView::Refresh() {
  const auto& record = service_.record();
  version_->setText(Q(service_.version_text()));
  cable_types_->setText(Q(service_.cable_types_text()));
  cables_->setText(Q(service_.cables_text()));
  reflectograms_->setText(Q(service_.reflectograms_text()));
  // The number as the page writes it, the unit in the window's language.
  size_->setText(record ? Q(std::to_string(record->database_size()) + " ") + Tr("байт")
                        : QString());
  // The database moves only once its record (and so its size) is known.
  receive_->setEnabled(record.has_value());
  send_->setEnabled(record.has_value());
  update_->setEnabled(service_.update_enabled());
  sysinfo_->setEnabled(service_.sysinfo_enabled());
}

}  // namespace telvane
