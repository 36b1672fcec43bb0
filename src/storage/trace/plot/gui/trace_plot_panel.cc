#include "storage/trace/plot/gui/trace_plot_panel.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace telvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TracePlot", text); }

}  // namespace

TracePlotPanel::TracePlotPanel(QWidget* parent) : QWidget(parent) {
  plot_ = new TracePlotWidget(this);
  threshold_ = new QDoubleSpinBox(this);
  threshold_->setRange(0.5, 63);
  threshold_->setSingleStep(0.5);
  threshold_->setValue(TracePlotModel::kDefaultThreshold);
  threshold_->setToolTip(Tr("Насколько отражение должно выделяться из шума"));
  auto* reset = new QPushButton(Tr("Весь график"), this);
  reset->setToolTip(Tr("Сбросить масштаб (Home, двойной щелчок)"));
  auto* png = new QPushButton(Tr("Сохранить PNG..."), this);
  reflections_ = new QTreeWidget(this);
  reflections_->setRootIsDecorated(false);
  reflections_->setHeaderLabels({Tr("Расстояние, м"), Tr("Амплитуда"), Tr("Фронт"), QString()});
  reflections_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  reflections_->setMaximumHeight(120);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(Tr("Порог:"), this));
  controls->addWidget(threshold_);
  controls->addStretch(1);
  controls->addWidget(reset);
  controls->addWidget(png);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(plot_, 1);
  layout->addLayout(controls);
  layout->addWidget(reflections_);

  connect(threshold_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    model().set_threshold(value);
    Refresh();
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    model().ResetView();
    Refresh();
  });
  connect(png, &QPushButton::clicked, this, &TracePlotPanel::ExportPng);
}

void TracePlotPanel::Refresh() {
  plot_->Refresh();
  FillReflections();
}

void TracePlotPanel::FillReflections() {
  reflections_->clear();
  for (const Reflection& r : model().Reflections()) {
    auto* item = new QTreeWidgetItem(reflections_);
    item->setText(0, QString::number(r.distance_m, 'f', 2));
    item->setText(1, QString::number(r.amplitude, 'f', 1));
    item->setText(2, r.slope == Slope::kRising ? Tr("нарастающий") : Tr("спадающий"));
    if (r.launch) item->setText(3, Tr("зондирующий импульс"));
    if (r.likely_end) item->setText(3, Tr("вероятно конец линии или повреждение"));
  }
}

void TracePlotPanel::ExportPng() {
  const QString path =
      QFileDialog::getSaveFileName(this, QString(), QString(), QString::fromUtf8("PNG (*.png)"));
  if (path.isEmpty()) return;
  if (!plot_->SavePng(path)) {
    QMessageBox::critical(this, Tr("Ошибка создания файла"), path);
  }
}

}  // namespace telvane
