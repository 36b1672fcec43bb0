#include "testers/e1/e1_viewer_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "testers/chart_file.h"
#include "testers/tester_widgets_view.h"

namespace telvane {

using namespace tester_view;

namespace {
// The name the protocol gives the instrument of a file opened at the desk.
constexpr char kInstrumentName[] = "VS-E1";
}  // namespace

E1ViewerWindow::E1ViewerWindow(Screen& screen, QWidget* parent) : QWidget(parent), screen_(screen) {
  setObjectName("E1Viewer");
  auto* layout = new QVBoxLayout(this);
  results_ = new E1ResultsWidget(document_, this);
  layout->addWidget(results_, 1);
  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  auto* open = Button(this, "Открыть...", "LoadPage");
  auto* protocol = Button(this, "Протокол...", "Protocol");
  auto* chart = Button(this, "Сохранить график...", "SaveChart");
  for (QPushButton* b : {open, protocol, chart}) buttons->addWidget(b);
  buttons->addStretch();
  results_->OnSelectFile([this](int row) {
    document_.Select(row);
    Refresh();
  });
  results_->OnSelectRecord([this](int row) {
    document_.SelectRecord(row);
    Refresh();
  });
  connect(open, &QPushButton::clicked, this, [this] {
    document_.LoadPage(screen_);
    Refresh();
  });
  connect(protocol, &QPushButton::clicked, this,
          [this] { document_.Protocol(screen_, kInstrumentName, ""); });
  connect(chart, &QPushButton::clicked, this, [this] {
    if (const auto path = ChooseChartFile(screen_)) SaveChartPng(results_->chart(), *path);
  });
}

bool E1ViewerWindow::Open(const std::string& path) {
  const bool ok = document_.LoadPageFrom(screen_, path);
  setWindowTitle(Q(path));
  Refresh();
  return ok;
}

void E1ViewerWindow::Refresh() { results_->Refresh(); }

}  // namespace telvane
