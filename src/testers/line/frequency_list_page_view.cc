#include "testers/line/frequency_list_page_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

FrequencyListPageView::FrequencyListPageView(FrequencyListPage& page, QWidget* parent)
    : PageView(page, parent), frequencies_(page) {
  auto* layout = new QHBoxLayout(this);
  auto* list_box = new QGroupBox(Tr("Список частот, кГц"), this);
  auto* list_layout = new QVBoxLayout(list_box);
  list_ = new QListWidget(list_box);
  list_->setObjectName("Frequencies");
  list_layout->addWidget(list_, 1);
  count_ = new QLabel(list_box);
  count_->setObjectName("Count");
  list_layout->addWidget(count_);
  layout->addWidget(list_box, 1);

  auto* edit_box = new QGroupBox(Tr("Частота, кГц"), this);
  auto* edit = new QVBoxLayout(edit_box);
  offered_ = new QComboBox(edit_box);
  offered_->setObjectName("Offered");
  for (const unsigned khz : OfferedFrequencies()) offered_->addItem(QString::number(khz), khz);
  edit->addWidget(offered_);
  auto* add = Button(edit_box, "Добавить", "Add");
  auto* remove = Button(edit_box, "Удалить", "Remove");
  auto* receive = Button(edit_box, "Принять", "Receive");
  auto* send = Button(edit_box, "Передать", "Send");
  for (QPushButton* b : {add, remove}) edit->addWidget(b);
  edit->addStretch(1);
  for (QPushButton* b : {receive, send}) edit->addWidget(b);
  layout->addWidget(edit_box, 0);

  connect(add, &QPushButton::clicked, this,
          [this] { frequencies_.Add(offered_->currentData().toUInt()); });
  connect(remove, &QPushButton::clicked, this, [this] {
    const int row = list_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= frequencies_.list().codes.size()) return;
    if (const auto khz = FrequencyOfCode(frequencies_.list().codes[static_cast<size_t>(row)])) {
      frequencies_.Remove(*khz);
    }
  });
  connect(receive, &QPushButton::clicked, this, [this] { frequencies_.Receive(); });
  connect(send, &QPushButton::clicked, this, [this] { frequencies_.Send(); });
  Refresh();
}

void FrequencyListPageView::Refresh() {
  const int row = list_->currentRow();
  list_->clear();
  for (const std::string& line : frequencies_.Lines()) list_->addItem(Q(line));
  if (list_->count() > 0) list_->setCurrentRow(std::min(std::max(row, 0), list_->count() - 1));
  count_->setText(Tr("Частот в списке: %1 из %2")
                      .arg(frequencies_.list().codes.size())
                      .arg(kFrequencyListCapacity));
}

}  // namespace telvane
