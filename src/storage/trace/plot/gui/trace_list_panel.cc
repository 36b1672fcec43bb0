#include "storage/trace/plot/gui/trace_list_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace telvane {

TraceListPanel::TraceListPanel(QWidget* parent, const QString& receive, const QString& save)
    : QWidget(parent) {
  list_ = new QListWidget(this);
  list_->setObjectName("Reflectograms");
  list_->setMaximumWidth(260);
  receive_ = new QPushButton(receive, this);
  receive_->setObjectName("Receive");
  save_ = new QPushButton(save, this);
  save_->setObjectName("Save");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(receive_);
  buttons->addWidget(save_);
  panel_ = new QFormLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addLayout(panel_);
  left->addLayout(buttons);
  plot_ = new TracePlotPanel(this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(left, 0);
  layout->addWidget(plot_, 1);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_) Q_EMIT rowChosen(row);
  });
}

void TraceListPanel::Show(const std::vector<std::string>& lines, int selected,
                          const std::vector<std::pair<QString, QString>>& rows,
                          std::vector<PlotTrace> traces) {
  showing_ = true;
  list_->clear();
  for (const std::string& line : lines) list_->addItem(QString::fromStdString(line));
  if (!lines.empty()) list_->setCurrentRow(selected);
  showing_ = false;
  while (panel_->rowCount() > 0) panel_->removeRow(0);
  for (const auto& [caption, value] : rows) panel_->addRow(caption, new QLabel(value, this));
  plot_->model().Clear();
  for (PlotTrace& t : traces) plot_->model().AddTrace(std::move(t));
  plot_->Refresh();
}

}  // namespace telvane
