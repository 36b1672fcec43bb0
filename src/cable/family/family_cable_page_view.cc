#include "cable/family/family_cable_page_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using namespace cable_view;

namespace {

QPushButton* ToolButton(QWidget* parent, const char* caption, const char* name, const char* tip) {
  QPushButton* button = Button(parent, caption, name);
  button->setToolTip(Tr(tip));
  return button;
}

}  // namespace

FamilyCablePageView::FamilyCablePageView(FamilyCablePage& page, QWidget* parent)
    : PageView(page, parent), cables_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* tools = new QHBoxLayout;
  layout->addLayout(tools);
  auto* receive =
      ToolButton(this, "Принять", "Receive", "Загрузка с прибора параметров отмеченных кабелей");
  auto* send =
      ToolButton(this, "Передать", "Send", "Запись в прибор параметров отмеченных кабелей");
  auto* update = ToolButton(this, "Обновить БД...", "UpdateDatabase",
                            "Обновление базы данных отмеченными записями");
  auto* open = ToolButton(this, "Открыть БД...", "OpenDatabase", "Открытие записей из базы данных");
  for (QPushButton* b : {receive, send, update, open}) tools->addWidget(b);
  tools->addStretch();
  // The type choice needs the instrument's types: a reception that worked also
  // reads them once, when no page of the family has read them yet.
  connect(receive, &QPushButton::clicked, this, [this] {
    if (cables_.Receive()) cables_.LoadTypes();
  });
  connect(send, &QPushButton::clicked, this, [this] { cables_.Send(); });
  connect(update, &QPushButton::clicked, this, [this] { cables_.SaveToDatabase(); });
  connect(open, &QPushButton::clicked, this, [this] { cables_.OpenFromDatabase(); });

  auto* body = new QHBoxLayout;
  layout->addLayout(body, 1);
  list_ = new QListWidget(this);
  list_->setObjectName("CableList");
  body->addWidget(list_, 1);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) cables_.Select(row);
  });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) cables_.SetChecked(list_->row(item), item->checkState() == Qt::Checked);
  });

  auto* right = new QVBoxLayout;
  body->addLayout(right, 2);
  auto* form = new QFormLayout;
  right->addLayout(form);
  name_ = Edit(this, "Name");
  name_->setMaxLength(page.name_limit());
  pairs_ = new QSpinBox(this);
  pairs_->setObjectName("Pairs");
  pairs_->setRange(1, 2000);
  temperature_ = new QComboBox(this);
  temperature_->setObjectName("Temperature");
  for (int t = -10; t <= 20; ++t) temperature_->addItem(QString::number(t), t);
  number_ = new QSpinBox(this);
  number_->setObjectName("Number");
  number_->setRange(0, 255);
  option_ = new QCheckBox(Tr("Признак"), this);
  option_->setObjectName("Option");
  // Only the fields the family's records have.
  const FamilyCableFields& fields = page.fields();
  form->addRow(Tr("Имя кабеля:"), name_);
  if (fields.pairs) {
    form->addRow(Tr("Количество пар:"), pairs_);
  } else {
    pairs_->hide();
  }
  if (fields.temperature) {
    form->addRow(Tr("Температура (С):"), temperature_);
  } else {
    temperature_->hide();
  }
  if (fields.number) {
    form->addRow(Tr("Номер:"), number_);
  } else {
    number_->hide();
  }
  if (fields.option) {
    form->addRow(QString(), option_);
  } else {
    option_->hide();
  }
  connect(name_, &QLineEdit::editingFinished, this, [this] {
    if (!refreshing_ && name_->isModified()) {
      name_->setModified(false);
      cables_.Rename(S(name_->text()));
    }
  });
  connect(pairs_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!refreshing_) cables_.SetPairs(v);
  });
  connect(temperature_, &QComboBox::currentIndexChanged, this, [this](int) {
    if (!refreshing_) cables_.SetTemperature(temperature_->currentData().toInt());
  });
  connect(number_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!refreshing_) cables_.SetNumber(v);
  });
  connect(option_, &QCheckBox::toggled, this, [this](bool on) {
    if (!refreshing_) cables_.SetOption(on);
  });

  auto* section_box = new QGroupBox(this);
  auto* section_layout = new QHBoxLayout(section_box);
  sections_ = new QListWidget(section_box);
  sections_->setObjectName("Sections");
  section_layout->addWidget(sections_);
  connect(sections_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) cables_.SelectSection(row);
  });
  auto* values = new QFormLayout;
  section_layout->addLayout(values);
  type_ = new QComboBox(section_box);
  type_->setObjectName("Type");
  connect(type_, &QComboBox::activated, this, [this](int index) { cables_.ChooseType(index); });
  value1_ = ValueEdit("Value1", SectionValue::kValue1);
  value2_ = ValueEdit("Value2", SectionValue::kValue2);
  value3_ = ValueEdit("Value3", SectionValue::kValue3);
  value4_ = ValueEdit("Value4", SectionValue::kValue4);
  derived_ = new QLabel(section_box);
  derived_->setObjectName("Derived");
  label2_ = new QLabel(section_box);
  label4_ = new QLabel(section_box);
  values->addRow(Tr("Тип кабеля:"), type_);
  values->addRow(Tr("Длина (м):"), value1_);
  values->addRow(label2_, value2_);
  values->addRow(Tr("К.У.:"), value3_);
  if (fields.has_value4) {
    values->addRow(label4_, value4_);
  } else {
    label4_->hide();
    value4_->hide();
  }
  values->addRow(Tr("Длина (точек):"), derived_);
  right->addWidget(section_box);
  right->addStretch();
  Refresh();
}

QLineEdit* FamilyCablePageView::ValueEdit(const char* name, SectionValue value) {
  QLineEdit* edit = Edit(this, name);
  connect(edit, &QLineEdit::editingFinished, this, [this, edit, value] {
    if (!refreshing_ && edit->isModified()) {
      edit->setModified(false);
      cables_.EditValue(value, S(edit->text()));
    }
  });
  return edit;
}

void FamilyCablePageView::Refresh() {
  refreshing_ = true;
  const std::vector<std::string> names = cables_.Names();
  list_->clear();
  for (size_t i = 0; i < names.size(); ++i) {
    const int cable = static_cast<int>(i);
    SetCheckItem(new QListWidgetItem(list_), names[i], cables_.checked(cable),
                 cables_.selectable(cable));
  }
  list_->setCurrentRow(cables_.selected());
  const int cable = cables_.selected();
  SetText(name_, cable >= 0 ? names[static_cast<size_t>(cable)] : std::string());
  if (cables_.TakeNameFocus()) name_->setFocus();
  pairs_->setValue(cables_.pairs());
  temperature_->setCurrentIndex(temperature_->findText(Q(cables_.TemperatureText())));
  number_->setValue(cables_.number());
  option_->setChecked(cables_.option());
  sections_->clear();
  // "Участок №%.2d", in the window's language.
  const int section_count = static_cast<int>(cables_.SectionLines().size());
  for (int i = 1; i <= section_count; ++i) {
    sections_->addItem(Tr("Участок №%1").arg(i, 2, 10, QChar('0')));
  }
  sections_->setCurrentRow(cables_.section());
  type_->clear();
  const std::vector<std::string> types = cables_.TypeNames();
  for (const std::string& type : types) type_->addItem(Q(type));
  if (types.empty() && cables_.section_type() >= 0) {
    // No type list (not read, or a family without one): the index alone.
    type_->addItem(QString::number(cables_.section_type()));
    type_->setCurrentIndex(0);
  } else {
    type_->setCurrentIndex(cables_.section_type());
  }
  type_->setEnabled(!types.empty());
  const auto [label2, label4] = cables_.KindLabels();
  label2_->setText(QCoreApplication::translate("Pages", label2.c_str()));
  label4_->setText(QCoreApplication::translate("Pages", label4.c_str()));
  SetText(value1_, cables_.ValueText(SectionValue::kValue1));
  SetText(value2_, cables_.ValueText(SectionValue::kValue2));
  SetText(value3_, cables_.ValueText(SectionValue::kValue3));
  SetText(value4_, cables_.ValueText(SectionValue::kValue4));
  derived_->setText(Q(cables_.ValueText(SectionValue::kDerived)));
  refreshing_ = false;
}

}  // namespace telvane
