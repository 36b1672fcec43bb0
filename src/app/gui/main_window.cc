#include "app/gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/gui/about_box.h"
#include "app/gui/page_views.h"
#include "app/gui/qt_screen.h"

namespace telvane {
namespace {

QString Tr(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

}  // namespace

MainWindow::MainWindow(MainController& controller, QtScreen* screen, QWidget* parent)
    : QDialog(parent), controller_(controller), screen_(screen) {
  setObjectName("MainWindow");
  setWindowTitle(QString::fromStdString(controller_.caption()));
  controller_.SetView(this);

  // Construction: the search runs before the window is ever shown.
  controller_.Construct();
  setWindowIcon(ProgramIcon());

  auto* layout = new QVBoxLayout(this);
  menu_bar_ = new QMenuBar(this);
  layout->setMenuBar(menu_bar_);

  tabs_ = new QTabBar(this);
  tabs_->setObjectName("Tabs");
  tabs_->setExpanding(false);
  tabs_->setDrawBase(true);
  layout->addWidget(tabs_);

  stack_ = new QStackedWidget(this);
  stack_->setObjectName("Pages");
  stack_->setFrameShape(QFrame::StyledPanel);
  blank_ = new QWidget(stack_);
  stack_->addWidget(blank_);
  for (int i = 0; i < kPageCount; ++i) {
    PageView* view = MakePageView(controller_.pages().page(static_cast<PageId>(i)), stack_);
    views_[static_cast<size_t>(i)] = view;
    stack_->addWidget(view);
  }
  layout->addWidget(stack_, 1);

  auto* row = new QHBoxLayout();
  search_ = new QPushButton(QCoreApplication::translate("MainWindow", "Поиск"), this);
  search_->setObjectName("Search");
  search_->setAutoDefault(false);
  end_ = new QPushButton(QCoreApplication::translate("MainWindow", "Конец связи"), this);
  end_->setObjectName("End");
  end_->setAutoDefault(false);
  adapter_ = new QCheckBox(QCoreApplication::translate("MainWindow", "ИК связь"), this);
  adapter_->setObjectName("Adapter");
  adapter_->setEnabled(false);
  adapter_->hide();
  speed_ = new QLabel(this);
  speed_->setObjectName("Speed");
  progress_ = new QProgressBar(this);
  progress_->setObjectName("Progress");
  progress_->setRange(0, 100);
  progress_->hide();
  row->addWidget(search_);
  row->addWidget(end_);
  row->addWidget(adapter_);
  row->addWidget(progress_, 1);
  row->addStretch();
  row->addWidget(speed_);
  layout->addLayout(row);

  if (screen_) screen_->SetWindow(this, progress_);

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (!updating_tabs_) controller_.SelectTab(index);
  });
  connect(search_, &QPushButton::clicked, this, [this] { controller_.Search(); });
  connect(end_, &QPushButton::clicked, this, [this] { controller_.EndSession(); });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [] { OpenHelpPage(); });
  // The window system's own menu has no room for entries here; the About entry
  // sits in the window's context menu instead.
  auto* about =
      new QAction(QCoreApplication::translate("MainWindow", "&О программе Telvane..."), this);
  connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this); });
  addAction(about);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, &MainWindow::OnTick);

  resize(900, 600);
  controller_.Initialize();

  // Tooltips.
  search_->setToolTip(QCoreApplication::translate("MainWindow", "Поиск совместимых устройств"));
  end_->setToolTip(QCoreApplication::translate("MainWindow", "Прекращение сеанса связи"));
}

MainWindow::~MainWindow() {
  controller_.SetView(nullptr);
  if (screen_) screen_->SetWindow(nullptr, nullptr);
}

PageView* MainWindow::shown_view() {
  return stack_->currentWidget() == blank_ ? nullptr
                                           : static_cast<PageView*>(stack_->currentWidget());
}

void MainWindow::BuildMenu() {
  if (built_menu_ == controller_.menu()) return;
  built_menu_ = controller_.menu();
  menu_bar_->clear();
  for (const Menu& menu : MenuBar(controller_.menu())) {
    QMenu* m = menu_bar_->addMenu(Tr("Menu", menu.title));
    for (const MenuItem& item : menu.items) {
      QAction* action = m->addAction(Tr("Menu", item.text));
      const telvane::MenuCommand command = item.command;
      connect(action, &QAction::triggered, this, [this, command] {
        if (command == MenuCommand::kHelp) {
          OpenHelpPage();
        } else if (command == MenuCommand::kAbout) {
          ShowAboutBox(this);
        } else {
          controller_.MenuCommand(command);
        }
      });
    }
  }
}

void MainWindow::StateChanged() {
  setWindowTitle(QString::fromStdString(controller_.caption()));
  const std::vector<Tab>& tabs = controller_.tabs();
  updating_tabs_ = true;
  bool same = tabs_->count() == static_cast<int>(tabs.size());
  for (int i = 0; same && i < tabs_->count(); ++i) {
    same = tabs_->tabText(i) == Tr("Tabs", tabs[static_cast<size_t>(i)].title);
  }
  if (!same) {
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const Tab& tab : tabs) tabs_->addTab(Tr("Tabs", tab.title));
  }
  tabs_->setCurrentIndex(controller_.selected_tab());
  updating_tabs_ = false;

  const std::optional<PageId> page = controller_.shown_page();
  QWidget* target = page ? views_[static_cast<size_t>(*page)] : blank_;
  stack_->setCurrentWidget(target);
  if (PageView* view = shown_view()) view->Refresh();

  BuildMenu();
  end_->setEnabled(controller_.end_enabled());
  adapter_->setChecked(controller_.adapter_checked());
  // "9600 бит/сек": the number is the link's, the unit the window's language.
  speed_->setText(QString::fromStdString(controller_.speed_text())
                      .replace(QStringLiteral("бит/сек"), Tr("MainWindow", "бит/сек")));
  if (isVisible()) repaint();
}

void MainWindow::ShowSplash(bool visible) {
  if (visible) {
    if (!splash_) splash_ = std::make_unique<StartupSplash>();
    splash_->ShowNow();
    if (screen_) {
      screen_->SetSplash(splash_.get());
      screen_->Repaint();
    }
  } else if (splash_) {
    if (screen_) screen_->SetSplash(nullptr);
    splash_->hide();
    splash_.reset();
  }
}

void MainWindow::CloseWindow() {
  closing_ = true;
  timer_.stop();
  done(QDialog::Accepted);
}

void MainWindow::reject() { controller_.RequestClose(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  event->ignore();
  controller_.RequestClose();
}

void MainWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  // The first transfer runs once the window is on the screen.
  QMetaObject::invokeMethod(this, &MainWindow::AfterShown, Qt::QueuedConnection);
}

void MainWindow::AfterShown() {
  controller_.RunFirstTransfer();
  controller_.OnFirstShown();
  if (closing_) return;
  timer_.start();
}

void MainWindow::OnTick() {
  // One tick only: the timer is killed before the tick's work, which may block
  // in a search or a message box.
  timer_.stop();
  controller_.OnTimer();
  started_ = true;
}

}  // namespace telvane
