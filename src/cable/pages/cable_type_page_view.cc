#include "cable/pages/cable_type_page_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using namespace cable_view;

CableTypePageView::CableTypePageView(CableTypePage& page, QWidget* parent)
    : PageView(page, parent), types_(page) {
  auto* layout = new QHBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("TypeList");
  layout->addWidget(list_, 1);

  auto* side = new QVBoxLayout;
  layout->addLayout(side);
  auto* fields = new QFormLayout;
  side->addLayout(fields);
  name_ = Edit(this, "TypeName");
  name_->setMaxLength(16);
  resistance_ = Edit(this, "Resistance");
  factor_ = Edit(this, "Factor");
  fields->addRow(Tr("Тип кабеля"), name_);
  fields->addRow(Tr("Погонное сопротивление\nТПЖ (ом*км)"), resistance_);
  fields->addRow(Tr("ТКС"), factor_);

  auto* size = new QGroupBox(Tr("Размер базы данных"), this);
  auto* size_layout = new QFormLayout(size);
  current_ = new QLabel(size);
  current_->setObjectName("Current");
  maximum_ = new QLabel(size);
  maximum_->setObjectName("Maximum");
  size_layout->addRow(Tr("Текущий"), current_);
  size_layout->addRow(Tr("Максимальный"), maximum_);
  side->addWidget(size);

  auto* update = Button(this, "Обновить", "Update");
  auto* remove = Button(this, "Удалить", "Delete");
  auto* clear = Button(this, "Очистить", "Clear");
  receive_ = Button(this, "Принять", "Receive");
  send_ = Button(this, "Передать", "Send");
  for (QPushButton* b : {update, remove, clear, receive_, send_}) side->addWidget(b);
  side->addStretch();

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) types_.Select(row);
  });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) types_.SetChecked(list_->row(item), item->checkState() == Qt::Checked);
  });
  // A field being typed in is not rewritten from the record.
  auto edited = [this](auto edit) {
    return [this, edit](const QString& text) {
      editing_ = true;
      (types_.*edit)(S(text));
      editing_ = false;
    };
  };
  connect(name_, &QLineEdit::textEdited, this, edited(&CableTypePage::EditName));
  connect(resistance_, &QLineEdit::textEdited, this, edited(&CableTypePage::EditResistance));
  connect(factor_, &QLineEdit::textEdited, this, edited(&CableTypePage::EditFactor));
  connect(update, &QPushButton::clicked, this, [this] { types_.Update(); });
  connect(remove, &QPushButton::clicked, this, [this] { types_.Delete(); });
  connect(clear, &QPushButton::clicked, this, [this] { types_.Clear(); });
  connect(receive_, &QPushButton::clicked, this, [this] { types_.Receive(); });
  connect(send_, &QPushButton::clicked, this, [this] { types_.Send(); });
  Refresh();
}

void CableTypePageView::Refresh() {
  refreshing_ = true;
  const QColor grey(128, 128, 128);
  if (list_->count() != types_.slot_count()) {
    list_->clear();
    for (int i = 0; i < types_.slot_count(); ++i) list_->addItem(QString());
  }
  for (int i = 0; i < types_.slot_count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    item->setText(Q(types_.EntryText(i)));
    item->setCheckState(types_.checked(i) ? Qt::Checked : Qt::Unchecked);
    if (types_.enabled(i)) {
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setData(Qt::ForegroundRole, QVariant());
    } else {
      item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
      item->setForeground(grey);
    }
  }
  list_->setCurrentRow(types_.selected());
  refreshing_ = false;
  if (!editing_) {
    SetText(name_, types_.NameField());
    SetText(resistance_, types_.ResistanceField());
    SetText(factor_, types_.FactorField());
  }
  current_->setNum(types_.current());
  maximum_->setNum(types_.maximum());
  receive_->setEnabled(types_.can_transfer());
  send_->setEnabled(types_.can_transfer());
}

}  // namespace telvane
