#include "cable/pages/full_family_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"
#include "page/gui/measurement_text.h"

namespace telvane {

using namespace cable_view;

// --- Database page -------------------------------------------------------------

CableBasePageView::CableBasePageView(CableBasePage& page, QWidget* parent)
    : PageView(page, parent), base_(page) {
  auto* layout = new QHBoxLayout(this);
  auto* names = new QGroupBox(Tr("Список наименований кабелей"), this);
  auto* names_layout = new QVBoxLayout(names);
  list_ = new QListWidget(names);
  list_->setObjectName("CableList");
  names_layout->addWidget(list_);
  layout->addWidget(names, 1);

  auto* side = new QVBoxLayout;
  layout->addLayout(side);
  auto* choice = new QGroupBox(Tr("Выбор базы данных"), this);
  auto* choice_layout = new QVBoxLayout(choice);
  database_ = new QComboBox(choice);
  database_->setObjectName("Database");
  for (int i = 0; i < kFullDatabaseCount; ++i) database_->addItem(Tr(FullDatabaseName(i)));
  choice_layout->addWidget(database_);
  side->addWidget(choice);
  auto* clear = Button(this, "Очистить", "Clear");
  send_ = Button(this, "Передать", "Send");
  receive_ = Button(this, "Принять", "Receive");
  auto* save = Button(this, "Сохранить...", "Save");
  for (QPushButton* b : {clear, send_, receive_, save}) side->addWidget(b);
  side->addStretch();

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) base_.Select(row);
  });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) base_.SetChecked(list_->row(item), item->checkState() == Qt::Checked);
  });
  connect(database_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_) base_.ChooseDatabase(index);
  });
  connect(clear, &QPushButton::clicked, this, [this] { base_.Clear(); });
  connect(send_, &QPushButton::clicked, this, [this] { base_.Send(); });
  connect(receive_, &QPushButton::clicked, this, [this] { base_.Receive(); });
  connect(save, &QPushButton::clicked, this, [this] { base_.Save(); });
  Refresh();
}

void CableBasePageView::showEvent(QShowEvent* event) {
  PageView::showEvent(event);
  base_.Shown();
}

void CableBasePageView::Refresh() {
  refreshing_ = true;
  const auto names = base_.Names();
  if (list_->count() != static_cast<int>(names.size())) {
    list_->clear();
    for (size_t i = 0; i < names.size(); ++i) list_->addItem(QString());
  }
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    SetCheckItem(item, names[static_cast<size_t>(i)], base_.checked(i),
                 base_.model().Selectable(i));
  }
  list_->setCurrentRow(base_.model().selected());
  database_->setCurrentIndex(base_.database());
  send_->setEnabled(base_.can_transfer());
  receive_->setEnabled(base_.can_transfer());
  refreshing_ = false;
}

// --- Cable page -------------------------------------------------------------------

CableEditPageView::CableEditPageView(CableEditPage& page, QWidget* parent)
    : PageView(page, parent), cable_(page) {
  auto* layout = new QHBoxLayout(this);
  auto* cable_fields = new QFormLayout;
  layout->addLayout(cable_fields, 1);
  auto* side = new QVBoxLayout;
  layout->addLayout(side, 1);
  auto* section_fields = new QFormLayout;

  notebook_ = new QPlainTextEdit(this);
  notebook_->setObjectName("Notebook");
  for (int f = 0; f < kCableFieldCount; ++f) {
    const auto field = static_cast<CableField>(f);
    if (field == CableField::kNotebook) {
      cable_fields->addRow(Tr(CableFieldLabel(field)), notebook_);
      continue;
    }
    auto* edit = Edit(this, "");
    edit->setObjectName(QString("Field%1").arg(f));
    fields_[static_cast<size_t>(f)] = edit;
    (IsSectionField(field) ? section_fields : cable_fields)
        ->addRow(Tr(CableFieldLabel(field)), edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      editing_ = true;
      cable_.EditField(field, S(text));
      editing_ = false;
    });
  }
  connect(notebook_, &QPlainTextEdit::textChanged, this, [this] {
    if (editing_ || refreshing_) return;
    editing_ = true;
    cable_.EditField(CableField::kNotebook, S(notebook_->toPlainText()));
    editing_ = false;
  });

  auto* moves = new QHBoxLayout;
  side->addLayout(moves);
  const std::array<std::pair<QStyle::StandardPixmap, CableMove>, 4> buttons = {{
      {QStyle::SP_MediaSkipBackward, CableMove::kFirst},
      {QStyle::SP_MediaSeekBackward, CableMove::kPrevious},
      {QStyle::SP_MediaSeekForward, CableMove::kNext},
      {QStyle::SP_MediaSkipForward, CableMove::kLast},
  }};
  for (const auto& [picture, move] : buttons) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString("Move%1").arg(static_cast<int>(move)));
    button->setIcon(style()->standardIcon(picture));
    moves->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, move = move] { cable_.Move(move); });
  }
  position_ = new QLabel(this);
  position_->setObjectName("Position");
  moves->addWidget(position_);

  auto* section_box = new QGroupBox(Tr("Участки"), this);
  auto* section_layout = new QHBoxLayout(section_box);
  sections_ = new QListWidget(section_box);
  sections_->setObjectName("Sections");
  section_layout->addWidget(sections_);
  section_layout->addLayout(section_fields);
  side->addWidget(section_box);
  side->addStretch();
  connect(sections_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) cable_.ChooseSection(row);
  });
  Refresh();
}

void CableEditPageView::Refresh() {
  const bool has_cable = cable_.has_cable();
  if (!editing_) {
    for (int f = 0; f < kCableFieldCount; ++f) {
      QLineEdit* edit = fields_[static_cast<size_t>(f)];
      if (edit == nullptr) continue;
      SetText(edit, cable_.FieldText(static_cast<CableField>(f)));
      edit->setEnabled(has_cable);
    }
    const QString notebook = Q(cable_.FieldText(CableField::kNotebook));
    refreshing_ = true;
    if (notebook_->toPlainText() != notebook) notebook_->setPlainText(notebook);
    refreshing_ = false;
    notebook_->setEnabled(has_cable);
  }
  refreshing_ = true;
  const QStringList names = NumberedNames("Участок %1", cable_.SectionNames().size());
  QStringList shown;
  for (int i = 0; i < sections_->count(); ++i) shown << sections_->item(i)->text();
  if (names != shown) {
    sections_->clear();
    sections_->addItems(names);
  }
  sections_->setCurrentRow(cable_.section());
  refreshing_ = false;
  position_->setText(PositionLabel(cable_.model().selected(), cable_.model().Count()));
}

// --- Size page ----------------------------------------------------------------------

CableSizePageView::CableSizePageView(CableSizePage& page, QWidget* parent)
    : PageView(page, parent), size_(page) {
  auto* layout = new QVBoxLayout(this);
  table_ = new QTableWidget(this);
  table_->setObjectName("Sizes");
  table_->setColumnCount(2);
  table_->setHorizontalHeaderLabels({Tr("Текущее"), Tr("Максимальное")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  layout->addWidget(table_);
  Refresh();
}

void CableSizePageView::Refresh() {
  const auto rows = size_.Rows();
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const SizeRow& row = rows[static_cast<size_t>(r)];
    table_->setVerticalHeaderItem(r, new QTableWidgetItem(Tr(row.label.c_str())));
    table_->setItem(r, 0, new QTableWidgetItem(QString::number(row.current)));
    table_->setItem(r, 1, new QTableWidgetItem(QString::number(row.maximum)));
  }
}

// --- Planned measurements ------------------------------------------------------------

FullPlannedPageView::FullPlannedPageView(FullPlannedPage& page, QWidget* parent)
    : PageView(page, parent), planned_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  cable_ = new QLabel(this);
  cable_->setObjectName("Cable");
  date_ = new QLabel(this);
  date_->setObjectName("Date");
  top->addWidget(cable_);
  top->addStretch();
  top->addWidget(date_);
  layout->addLayout(top);
  pairs_ = new QTableWidget(this);
  pairs_->setObjectName("Pairs");
  pairs_->setColumnCount(7);
  pairs_->setHorizontalHeaderLabels({Tr("Пара"), Tr("Емкость AB"), Tr("Емкость BC"),
                                     Tr("Емкость AC"), Tr("Изоляция AB"), Tr("Изоляция BC"),
                                     Tr("Изоляция AC")});
  pairs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pairs_->verticalHeader()->hide();
  pairs_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  layout->addWidget(pairs_);
  Refresh();
}

void FullPlannedPageView::Refresh() {
  cable_->setText(Q(planned_.CableText()));
  date_->setText(Q(planned_.DateText()));
  const auto rows = planned_.Rows();
  pairs_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < 7; ++c) {
      pairs_->setItem(r, c,
                      new QTableWidgetItem(
                          MeasurementText(rows[static_cast<size_t>(r)][static_cast<size_t>(c)])));
    }
  }
}

}  // namespace telvane
