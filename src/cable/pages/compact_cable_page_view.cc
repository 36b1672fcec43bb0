#include "cable/pages/compact_cable_page_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using namespace cable_view;

CompactCablePageView::CompactCablePageView(CompactCablePage& page, QWidget* parent)
    : PageView(page, parent), compact_(page) {
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  layout->addLayout(left, 1);
  list_ = new QListWidget(this);
  list_->setObjectName("CableList");
  list_->installEventFilter(this);
  left->addWidget(list_);
  position_ = new QLabel(this);
  position_->setObjectName("Position");
  left->addWidget(position_);
  auto* add_row = new QHBoxLayout;
  new_name_ = Edit(this, "NewName");
  auto* add = Button(this, "Добавить", "Add");
  add_row->addWidget(new_name_);
  add_row->addWidget(add);
  left->addLayout(add_row);

  auto* right = new QVBoxLayout;
  layout->addLayout(right, 1);
  auto* form = new QFormLayout;
  right->addLayout(form);
  name_ = Edit(this, "Name");
  temperature_ = new QComboBox(this);
  temperature_->setObjectName("Temperature");
  for (int t = kLowestTemperature; t <= kHighestTemperature; ++t) {
    temperature_->addItem(QString::number(t), t);
  }
  section_count_ = Edit(this, "SectionCount");
  section_count_->setMaxLength(1);
  form->addRow(Tr("Имя кабеля:"), name_);
  form->addRow(Tr("Температура (С):"), temperature_);
  form->addRow(Tr("Количество участков:"), section_count_);

  auto* section_box = new QGroupBox(this);
  auto* section_layout = new QHBoxLayout(section_box);
  sections_ = new QListWidget(section_box);
  sections_->setObjectName("Sections");
  section_layout->addWidget(sections_);
  auto* section_form = new QFormLayout;
  section_layout->addLayout(section_form);
  type_ = new QComboBox(section_box);
  type_->setObjectName("Type");
  diameter_ = new QLabel(section_box);
  diameter_->setObjectName("Diameter");
  capacitance_ = new QLabel(section_box);
  capacitance_->setObjectName("Capacitance");
  length_ = Edit(section_box, "Length");
  total_ = new QLabel(section_box);
  total_->setObjectName("Total");
  section_form->addRow(Tr("Тип кабеля"), type_);
  section_form->addRow(Tr("Диаметр жилы, мм"), diameter_);
  section_form->addRow(Tr("Емкость, нф/км"), capacitance_);
  section_form->addRow(Tr("Длина участка, М"), length_);
  section_form->addRow(Tr("Общая длина, М"), total_);
  right->addWidget(section_box);
  calculation_ = new QCheckBox(Tr("Расчет длины по диаметру и температуре"), this);
  calculation_->setObjectName("Calculation");
  right->addWidget(calculation_);

  auto* counts = new QFormLayout;
  instrument_ = new QLabel(this);
  instrument_->setObjectName("InstrumentCables");
  maximum_ = new QLabel(this);
  maximum_->setObjectName("InstrumentMaximum");
  counts->addRow(Tr("Кабелей в приборе:"), instrument_);
  counts->addRow(Tr("Максимум:"), maximum_);
  right->addLayout(counts);

  auto* buttons = new QHBoxLayout;
  receive_ = Button(this, "Принять от прибора", "Receive");
  send_ = Button(this, "Передать в прибор", "Send");
  auto* remove = Button(this, "Удалить помеченные", "DeleteMarked");
  auto* save = Button(this, "Сохранить", "SaveEdits");
  auto* cancel = Button(this, "Отменить", "CancelEdits");
  auto* import = Button(this, "Загрузить БД...", "Import");
  for (QPushButton* b : {receive_, send_, remove, save, cancel, import}) buttons->addWidget(b);
  right->addLayout(buttons);
  right->addStretch();

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) compact_.Select(row);
  });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) compact_.SetMarked(list_->row(item), item->checkState() == Qt::Checked);
  });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int cursor = name_->cursorPosition();
    editing_ = true;
    const QString cleaned = Q(compact_.EditName(S(text)));
    editing_ = false;
    name_->setText(cleaned);
    name_->setCursorPosition(std::min<int>(cursor, static_cast<int>(cleaned.size())));
  });
  connect(name_, &QLineEdit::editingFinished, this, [this] {
    if (!compact_.CheckName()) name_->setFocus();
  });
  connect(add, &QPushButton::clicked, this, [this] {
    if (compact_.Add(S(new_name_->text()))) new_name_->clear();
  });
  connect(temperature_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_) compact_.SetTemperature(temperature_->itemData(index).toInt());
  });
  connect(section_count_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editing_ = true;
    const QString shown = Q(compact_.EditSectionCount(S(text)));
    editing_ = false;
    if (!text.isEmpty()) section_count_->setText(shown);
  });
  connect(sections_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) compact_.ChooseSection(row);
  });
  connect(type_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_) compact_.SetSectionType(index);
  });
  connect(length_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editing_ = true;
    const QString shown = Q(compact_.EditLength(S(text)));
    editing_ = false;
    if (shown != text) length_->setText(shown);
    total_->setText(Q(compact_.TotalText()));
  });
  connect(calculation_, &QCheckBox::toggled, this, [this](bool on) {
    if (!refreshing_) compact_.SetLengthCalculation(on);
  });
  connect(receive_, &QPushButton::clicked, this, [this] { compact_.Receive(); });
  connect(send_, &QPushButton::clicked, this, [this] { compact_.Send(); });
  connect(remove, &QPushButton::clicked, this, [this] { compact_.DeleteMarked(); });
  connect(save, &QPushButton::clicked, this, [this] { compact_.SaveEdits(); });
  connect(cancel, &QPushButton::clicked, this, [this] { compact_.CancelEdits(); });
  connect(import, &QPushButton::clicked, this, [this] { compact_.ImportDatabase(); });
  Refresh();
}

bool CompactCablePageView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // The main and the numeric keypad's keys give the same key codes.
    if (key == Qt::Key_Plus) {
      compact_.PlusKey();
      return true;
    }
    if (key == Qt::Key_Minus) {
      compact_.MinusKey();
      return true;
    }
  }
  return PageView::eventFilter(watched, event);
}

void CompactCablePageView::Refresh() {
  refreshing_ = true;
  const auto& cables = compact_.cables();
  if (list_->count() != compact_.size()) {
    list_->clear();
    for (int i = 0; i < compact_.size(); ++i) list_->addItem(QString());
  }
  for (int i = 0; i < compact_.size(); ++i) {
    QListWidgetItem* item = list_->item(i);
    SetCheckItem(item, cables[static_cast<size_t>(i)].name(), compact_.marked(i),
                 compact_.selectable(i));
  }
  list_->setCurrentRow(compact_.selected());
  position_->setText(PositionLabel(compact_.selected(), compact_.size()));

  const CompactCableRecord* cable = compact_.selected_cable();
  if (!editing_) {
    SetText(name_, cable ? cable->name() : std::string());
    SetText(section_count_, cable ? std::to_string(compact_.SectionNames().size()) : "");
    SetText(length_, compact_.LengthText());
  }
  temperature_->setCurrentIndex(cable ? static_cast<int>(cable->temperature()) - kLowestTemperature
                                      : -1);
  const QStringList names = NumberedNames("Участок %1", compact_.SectionNames().size());
  sections_->clear();
  sections_->addItems(names);
  sections_->setCurrentRow(compact_.section());
  type_->clear();
  for (const std::string& name : compact_.TypeNames()) type_->addItem(Q(name));
  type_->setCurrentIndex(cable ? compact_.SectionType() : -1);
  diameter_->setText(Q(compact_.DiameterText()));
  capacitance_->setText(Q(compact_.CapacitanceText()));
  total_->setText(Q(compact_.TotalText()));
  length_->setEnabled(cable != nullptr && !compact_.length_calculation());
  calculation_->setEnabled(compact_.length_calculation_enabled());
  calculation_->setChecked(compact_.length_calculation());
  instrument_->setNum(compact_.instrument_cables());
  maximum_->setNum(compact_.instrument_maximum());
  receive_->setEnabled(compact_.can_transfer());
  send_->setEnabled(compact_.can_transfer());
  refreshing_ = false;
}

}  // namespace telvane
