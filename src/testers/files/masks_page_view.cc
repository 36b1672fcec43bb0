#include "testers/files/masks_page_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "testers/files/file_list_view.h"
#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

MasksPageView::MasksPageView(MasksPage& page, QWidget* parent)
    : PageView(page, parent), masks_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  format_ = new QComboBox(this);
  format_->setObjectName("Format");
  for (const char* format : kMaskFormats) format_->addItem(Q(format));
  mode_ = new QComboBox(this);
  mode_->setObjectName("Mode");
  for (const MaskMode& mode : kMaskModes) mode_->addItem(Tr(mode.shown));
  form->addRow(Tr("Формат:"), format_);
  form->addRow(Tr("Измерительный режим:"), mode_);
  layout->addLayout(form);
  list_ = new QListWidget(this);
  list_->setObjectName("Masks");
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  receive_ = Button(this, "Принять от прибора...", "Receive");
  delete_ = Button(this, "Удалить на приборе...", "Delete");
  auto* send = Button(this, "Передать в прибор...", "Send");
  for (QPushButton* b : {receive_, delete_, send}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);

  // A choice the person made changes the instrument's folder and lists it.
  connect(format_, &QComboBox::activated, this,
          [this](int index) { masks_.SetFormat(static_cast<size_t>(index)); });
  connect(mode_, &QComboBox::activated, this,
          [this](int index) { masks_.SetMode(static_cast<size_t>(index)); });
  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { masks_.Select(file_view::Row(row)); });
  connect(receive_, &QPushButton::clicked, this, [this] { masks_.ReceiveSelected(); });
  connect(delete_, &QPushButton::clicked, this, [this] { masks_.DeleteSelected(); });
  connect(send, &QPushButton::clicked, this, [this] { masks_.Send(); });
  Refresh();
}

void MasksPageView::Refresh() {
  {
    const QSignalBlocker format_blocker(format_);
    const QSignalBlocker mode_blocker(mode_);
    format_->setCurrentIndex(static_cast<int>(masks_.format()));
    mode_->setCurrentIndex(static_cast<int>(masks_.mode()));
  }
  file_view::ShowEntries(*list_, masks_.masks(), masks_.selected());
  const bool selected = masks_.selected().has_value();
  receive_->setEnabled(selected);
  delete_->setEnabled(selected);
}

}  // namespace telvane
