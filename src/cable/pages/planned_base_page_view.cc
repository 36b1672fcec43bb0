#include "cable/pages/planned_base_page_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"
#include "page/gui/measurement_text.h"

namespace telvane {

using namespace cable_view;

PlannedBasePageView::PlannedBasePageView(PlannedBasePage& page, QWidget* parent)
    : PageView(page, parent), planned_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  layout->addLayout(lists, 1);
  auto list_box = [this, lists](const char* title, const char* name) {
    auto* box = new QGroupBox(Tr(title), this);
    auto* box_layout = new QVBoxLayout(box);
    auto* list = new QListWidget(box);
    list->setObjectName(name);
    box_layout->addWidget(list);
    lists->addWidget(box);
    return list;
  };
  computer_ = list_box("База данных на персональном компьютере", "ComputerList");
  auto* middle = new QVBoxLayout;
  auto* copy = Button(this, "<<", "Copy");
  middle->addStretch();
  middle->addWidget(copy);
  middle->addStretch();
  lists->insertLayout(1, middle);
  instrument_ = list_box("База данных на приборе", "InstrumentList");

  pairs_ = new QTableWidget(this);
  pairs_->setObjectName("Pairs");
  pairs_->setColumnCount(7);
  pairs_->setHorizontalHeaderLabels({Tr("Номер пары"), Tr("Емкость AC"), Tr("Емкость BC"),
                                     Tr("Емкость AB"), Tr("Изоляция AC"), Tr("Изоляция BC"),
                                     Tr("Изоляция AB")});
  pairs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pairs_->verticalHeader()->hide();
  pairs_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  layout->addWidget(pairs_, 2);

  auto* buttons = new QHBoxLayout;
  receive_ = Button(this, "Принять", "Receive");
  auto* one = Button(this, "CSV: кабель...", "ExportOne");
  auto* all = Button(this, "CSV: все кабели...", "ExportAll");
  for (QPushButton* b : {receive_, one, all}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(computer_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) planned_.Select(PlannedSide::kComputer, row);
  });
  connect(instrument_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) planned_.Select(PlannedSide::kInstrument, row);
  });
  connect(copy, &QPushButton::clicked, this, [this] { planned_.CopyToComputer(); });
  connect(receive_, &QPushButton::clicked, this, [this] { planned_.Receive(); });
  connect(one, &QPushButton::clicked, this, [this] { planned_.ExportSelected(); });
  connect(all, &QPushButton::clicked, this, [this] { planned_.ExportAll(); });
  Refresh();
}

void PlannedBasePageView::FillList(QListWidget* list, PlannedSide side) {
  const QStringList names = NumberedNames("Кабель №%1", planned_.CableNames(side).size());
  if (list->count() != names.size()) {
    list->clear();
    list->addItems(names);
  }
  list->setCurrentRow(names.isEmpty() ? -1 : planned_.selected(side));
}

void PlannedBasePageView::Refresh() {
  refreshing_ = true;
  FillList(computer_, PlannedSide::kComputer);
  FillList(instrument_, PlannedSide::kInstrument);
  const auto rows = planned_.PairRows();
  pairs_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < 7; ++c) {
      pairs_->setItem(r, c,
                      new QTableWidgetItem(
                          MeasurementText(rows[static_cast<size_t>(r)][static_cast<size_t>(c)])));
    }
  }
  receive_->setEnabled(planned_.can_transfer());
  refreshing_ = false;
}

}  // namespace telvane
