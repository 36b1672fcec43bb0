#include "cable/reflectograms/reflectogram_page_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using namespace cable_view;

namespace {

// Panel rows: name, date, pulse, range, stretch, averaging, gain and the
// coordination (shown only from firmware 8.007).
constexpr int kPanelRows = 8;

}  // namespace

ReflectogramPageView::ReflectogramPageView(ReflectogramPage& page, QWidget* parent)
    : PageView(page, parent), reflectograms_(page) {
  auto* layout = new QHBoxLayout(this);
  auto* side = new QVBoxLayout;
  layout->addLayout(side);

  cables_ = new QComboBox(this);
  cables_->setObjectName("Cables");
  side->addWidget(new QLabel(Tr("Кабель"), this));
  side->addWidget(cables_);
  slots_ = new QListWidget(this);
  slots_->setObjectName("Slots");
  slots_->setMinimumWidth(170);
  side->addWidget(slots_, 1);

  receive_ = Button(this, "Принять", "Receive");
  receive_->setToolTip(Tr(kReceiveTooltip));
  send_ = Button(this, "Передать", "Send");
  send_->setToolTip(Tr(kSendTooltip));
  save_ = Button(this, "", "Save");
  open_ = Button(this, "", "Open");
  storage_ = new QCheckBox(Tr("Сохранять в БД"), this);
  storage_->setObjectName("Storage");
  storage_->setToolTip(Tr(kStorageTooltip));
  auto* buttons = new QGridLayout;
  buttons->addWidget(receive_, 0, 0);
  buttons->addWidget(send_, 0, 1);
  buttons->addWidget(save_, 1, 0);
  buttons->addWidget(open_, 1, 1);
  buttons->addWidget(storage_, 2, 0, 1, 2);
  side->addLayout(buttons);

  auto* main = new QVBoxLayout;
  layout->addLayout(main, 1);
  auto* info = new QGroupBox(Tr("Информация"), this);
  panel_ = new QFormLayout(info);
  for (int i = 0; i < kPanelRows; ++i) {
    auto* label = new QLabel(info);
    auto* value = new QLabel(info);
    value->setObjectName(QString("Panel%1").arg(i));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panel_->addRow(label, value);
    panel_labels_.push_back(label);
    panel_values_.push_back(value);
  }
  main->addWidget(info);
  plot_ = new TracePlotPanel(this);
  plot_->setObjectName("Plot");
  main->addWidget(plot_, 1);

  connect(cables_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) reflectograms_.SelectCable(index);
  });
  connect(slots_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) reflectograms_.SetCursor(row);
  });
  connect(slots_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) {
      reflectograms_.SetMarked(slots_->row(item), item->checkState() == Qt::Checked);
    }
  });
  connect(storage_, &QCheckBox::toggled, this, [this](bool on) {
    if (!refreshing_) reflectograms_.SetDatabaseMode(on);
  });
  connect(receive_, &QPushButton::clicked, this, [this] { reflectograms_.Receive(); });
  connect(send_, &QPushButton::clicked, this, [this] { reflectograms_.Send(); });
  connect(save_, &QPushButton::clicked, this, [this] { reflectograms_.Save(); });
  connect(open_, &QPushButton::clicked, this, [this] { reflectograms_.Open(); });
  Refresh();
}

void ReflectogramPageView::Refresh() {
  refreshing_ = true;
  const std::vector<std::string> names = reflectograms_.CableNames();
  if (cables_->count() != static_cast<int>(names.size())) {
    cables_->clear();
    for (size_t i = 0; i < names.size(); ++i) cables_->addItem(QString());
  }
  for (size_t i = 0; i < names.size(); ++i) {
    cables_->setItemText(static_cast<int>(i), Q(names[i]));
  }
  cables_->setCurrentIndex(reflectograms_.current_cable());

  const std::vector<std::string> lines = reflectograms_.SlotLines();
  if (slots_->count() != static_cast<int>(lines.size())) {
    slots_->clear();
    for (size_t i = 0; i < lines.size(); ++i) slots_->addItem(QString());
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    QListWidgetItem* item = slots_->item(static_cast<int>(i));
    item->setText(Q(lines[i]));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(reflectograms_.marked(static_cast<int>(i)) ? Qt::Checked : Qt::Unchecked);
  }
  if (!lines.empty()) slots_->setCurrentRow(reflectograms_.current_slot());

  const StorageButtons texts = reflectograms_.Buttons();
  save_->setText(Tr(texts.save_caption.c_str()));
  save_->setToolTip(Tr(texts.save_tooltip.c_str()));
  open_->setText(Tr(texts.open_caption.c_str()));
  open_->setToolTip(Tr(texts.open_tooltip.c_str()));
  storage_->setChecked(reflectograms_.database_mode());
  const bool any = reflectograms_.current_cable() >= 0;
  for (QPushButton* b : {receive_, send_, save_, open_}) b->setEnabled(any);
  refreshing_ = false;
  RefreshPanel();
  RefreshPlot();
}

void ReflectogramPageView::RefreshPanel() {
  const auto rows = PanelRows(reflectograms_.Panel(), reflectograms_.coordination_shown());
  for (int i = 0; i < kPanelRows; ++i) {
    const bool shown = static_cast<size_t>(i) < rows.size();
    const size_t row = static_cast<size_t>(i);
    panel_labels_[row]->setVisible(shown);
    panel_values_[row]->setVisible(shown);
    if (!shown) continue;
    panel_labels_[row]->setText(Tr(rows[row].first.c_str()));
    // The empty slot's name is the page's own text, shown in the window's
    // language; every other value is data.
    const std::string& value = rows[row].second;
    panel_values_[row]->setText(i == 0 && value == kEmptySlotText ? Tr(kEmptySlotText) : Q(value));
  }
}

void ReflectogramPageView::RefreshPlot() {
  std::vector<PlotTrace> traces = reflectograms_.PlotTraces();
  std::vector<std::vector<double>> amplitudes;
  for (const PlotTrace& trace : traces) amplitudes.push_back(trace.amplitude);
  if (amplitudes == plotted_ && plot_->model().traces().size() == traces.size()) return;
  plotted_ = std::move(amplitudes);
  plot_->model().Clear();
  for (PlotTrace& trace : traces) plot_->model().AddTrace(std::move(trace));
  plot_->Refresh();
}

}  // namespace telvane
