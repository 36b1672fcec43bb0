#include "testers/plan/kind9_pages_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "page/gui/measurement_text.h"
#include "testers/tester_widgets_view.h"

namespace telvane {
namespace {

using tester_view::Button;
using tester_view::Q;
using tester_view::Tr;

template <size_t N>
QTreeWidget* Table(QWidget* parent, const std::array<const char*, N>& headings, const char* name) {
  auto* table = new QTreeWidget(parent);
  table->setObjectName(name);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  QStringList labels;
  for (const char* heading : headings) labels << Tr(heading);
  table->setHeaderLabels(labels);
  table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

}  // namespace

Kind9CablePageView::Kind9CablePageView(Kind9CablePage& page, QWidget* parent)
    : PageView(page, parent), cables_(page) {
  auto* layout = new QVBoxLayout(this);
  list_ = Table(this, Kind9CablePage::Headings(), "Cables");
  layout->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  auto* receive = Button(this, "Принять от прибора", "Receive");
  auto* receive_one = Button(this, "Принять запись", "ReceiveOne");
  auto* send = Button(this, "Передать в прибор", "Send");
  buttons->addWidget(receive);
  buttons->addWidget(receive_one);
  buttons->addWidget(send);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(receive, &QPushButton::clicked, this, [this] { cables_.Receive(); });
  connect(receive_one, &QPushButton::clicked, this, [this] { cables_.ReceiveSelected(); });
  connect(send, &QPushButton::clicked, this, [this] { cables_.Send(); });
  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (refreshing_ || item == nullptr) return;
    cables_.Select(list_->indexOfTopLevelItem(item));
    Refresh();
  });
  Refresh();
}

Kind9CablePageView::~Kind9CablePageView() { list_->disconnect(this); }

void Kind9CablePageView::Refresh() {
  refreshing_ = true;
  list_->clear();
  const auto rows = cables_.Rows();
  for (size_t r = 0; r < rows.size(); ++r) {
    auto* item = new QTreeWidgetItem(list_);
    for (size_t c = 0; c < rows[r].size(); ++c) item->setText(static_cast<int>(c), Q(rows[r][c]));
    // Locked rows are seen greyed, as in the other cable lists, and never chosen.
    if (cables_.locked(static_cast<int>(r))) item->setFlags(Qt::NoItemFlags);
  }
  if (cables_.cursor() >= 0) list_->setCurrentItem(list_->topLevelItem(cables_.cursor()));
  refreshing_ = false;
}

Kind9PlannedPageView::Kind9PlannedPageView(Kind9PlannedPage& page, QWidget* parent)
    : PageView(page, parent), planned_(page) {
  auto* layout = new QVBoxLayout(this);
  cable_ = new QLabel(this);
  cable_->setObjectName("Cable");
  layout->addWidget(cable_);
  pairs_ = Table(this, Kind9PlannedPage::Headings(), "Pairs");
  layout->addWidget(pairs_);
  auto* buttons = new QHBoxLayout;
  auto* receive = Button(this, "Принять", "Receive");
  auto* save = Button(this, "Сохранить...", "Save");
  buttons->addWidget(receive);
  buttons->addWidget(save);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(receive, &QPushButton::clicked, this, [this] { planned_.Receive(); });
  connect(save, &QPushButton::clicked, this, [this] { planned_.Save(); });
  Refresh();
}

void Kind9PlannedPageView::Refresh() {
  cable_->setText(
      planned_.cable_number() == 0
          ? Tr("Не выбран кабель")
          : Tr("Кабель №%1: %2").arg(planned_.cable_number()).arg(Q(planned_.cable_name())));
  pairs_->clear();
  for (const auto& row : planned_.Rows()) {
    auto* item = new QTreeWidgetItem(pairs_);
    for (size_t c = 0; c < row.size(); ++c) {
      item->setText(static_cast<int>(c), MeasurementText(row[c]));
    }
  }
}

}  // namespace telvane
