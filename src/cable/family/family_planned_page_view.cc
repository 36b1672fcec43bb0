#include "cable/family/family_planned_page_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"
#include "page/gui/measurement_text.h"

namespace telvane {

using namespace cable_view;

FamilyPlannedPageView::FamilyPlannedPageView(FamilyPlannedPage& page, QWidget* parent)
    : PageView(page, parent), planned_(page) {
  auto* layout = new QHBoxLayout(this);
  cables_ = new QListWidget(this);
  cables_->setObjectName("Cables");
  layout->addWidget(cables_, 1);

  auto* right = new QVBoxLayout;
  layout->addLayout(right, 4);
  name_ = new QLabel(this);
  name_->setObjectName("PlannedName");
  date_ = new QLabel(this);
  date_->setObjectName("PlannedDate");
  right->addWidget(name_);
  right->addWidget(date_);
  const bool large = planned_.family() == Family::k435;
  name_->setVisible(large);
  date_->setVisible(large);

  pairs_ = new QTableWidget(this);
  pairs_->setObjectName("Pairs");
  QStringList headings;
  for (const std::string& heading : planned_.Headings()) headings << Tr(heading.c_str());
  pairs_->setColumnCount(static_cast<int>(headings.size()));
  pairs_->setHorizontalHeaderLabels(headings);
  pairs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pairs_->verticalHeader()->hide();
  pairs_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  right->addWidget(pairs_, 1);

  auto* buttons = new QHBoxLayout;
  auto* receive = Button(this, "Принять", "Receive");
  auto* save = Button(this, "Сохранить...", "Save");
  buttons->addWidget(receive);
  buttons->addWidget(save);
  buttons->addStretch();
  right->addLayout(buttons);

  connect(cables_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) planned_.Select(row);
  });
  connect(receive, &QPushButton::clicked, this, [this] { planned_.Receive(); });
  connect(save, &QPushButton::clicked, this, [this] { planned_.Save(); });
  Refresh();
}

void FamilyPlannedPageView::FillCables() {
  const auto names = planned_.CableNames();
  if (cables_->count() != static_cast<int>(names.size())) cables_->clear();
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    if (i >= cables_->count()) cables_->addItem(QString());
    QListWidgetItem* item = cables_->item(i);
    item->setText(Q(names[static_cast<size_t>(i)]));
    // The locked leading entries can be neither selected nor current.
    item->setFlags(planned_.selectable(i) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                          : Qt::NoItemFlags);
  }
  cables_->setCurrentRow(planned_.selected());
}

void FamilyPlannedPageView::FillPairs() {
  const auto rows = planned_.Rows();
  pairs_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const PlannedRow& row = rows[static_cast<size_t>(r)];
    pairs_->setItem(r, 0, new QTableWidgetItem(QString::number(row.pair)));
    for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
      pairs_->setItem(r, c + 1,
                      new QTableWidgetItem(MeasurementText(row.cells[static_cast<size_t>(c)])));
    }
  }
}

void FamilyPlannedPageView::Refresh() {
  refreshing_ = true;
  FillCables();
  name_->setText(Tr("Имя плановых измерений:") + " " + Q(planned_.PlannedName()));
  date_->setText(Tr("Дата проведения измерений:") + " " + Q(planned_.DateText()));
  FillPairs();
  refreshing_ = false;
}

}  // namespace telvane
