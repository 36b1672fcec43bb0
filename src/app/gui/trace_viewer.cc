#include "app/gui/trace_viewer.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/trace/plot/trace_file_plot.h"

namespace telvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TraceViewer", text); }

}  // namespace

TraceViewer::TraceViewer(Screen& screen, int firmware, QWidget* parent)
    : QWidget(parent), screen_(screen), firmware_(firmware) {
  setWindowTitle(Tr("Telvane: просмотр рефлектограмм"));
  panel_ = new TracePlotPanel(this);
  auto* open = new QPushButton(Tr("Открыть..."), this);
  open->setObjectName("Open");
  auto* clear = new QPushButton(Tr("Очистить"), this);
  clear->setObjectName("Clear");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addWidget(clear);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(panel_, 1);
  connect(open, &QPushButton::clicked, this, &TraceViewer::OpenFiles);
  connect(clear, &QPushButton::clicked, this, [this] {
    panel_->model().Clear();
    panel_->Refresh();
  });
  resize(900, 600);
}

bool TraceViewer::AddFile(const std::string& path) {
  auto trace = LoadPlotTrace(screen_, path, firmware_);
  if (!trace) return false;
  panel_->model().AddTrace(std::move(*trace));
  panel_->Refresh();
  return true;
}

void TraceViewer::OpenFiles() {
  FileDialog dialog;
  dialog.filters = {{"RFG, WV, TDR", "*.rfg *.wv *.tdr"},
                    {"RFG (1.1, 1.2, 2.0, 3.0, 4.0)", "*.rfg"},
                    {"WV (WV8 файл)", "*.wv"},
                    {"TDR (РЕЙС-105Р)", "*.tdr"}};
  if (const auto choice = screen_.ChooseOpenFile(dialog)) AddFile(choice->path);
}

}  // namespace telvane
