// The program's one modal window: tab strip, the page under the selected tab,
// "Поиск", "Конец связи", the hidden "ИК связь" box, the speed label, the
// hidden progress bar and the menu of the kind. All behaviour is the
// MainController's; this class draws its state and forwards the person's
// actions.
#ifndef TELVANE_APP_GUI_MAIN_WINDOW_H_
#define TELVANE_APP_GUI_MAIN_WINDOW_H_

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

#include "page/gui/page_view.h"
#include "app/gui/startup_splash.h"
#include "app/main_controller.h"

namespace telvane {

class QtScreen;

class MainWindow : public QDialog, public MainView {
  Q_OBJECT

 public:
  // Runs the start-up search while it is being built (splash shown). `screen`,
  // when given, is told about this window and its progress bar.
  MainWindow(MainController& controller, QtScreen* screen, QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- MainView ---------------------------------------------------------
  void StateChanged() override;
  void ShowSplash(bool visible) override;
  void CloseWindow() override;

  // For tests and the screenshots: the widgets as the person sees them.
  QTabBar* tab_bar() { return tabs_; }
  QPushButton* search_button() { return search_; }
  QPushButton* end_button() { return end_; }
  QCheckBox* adapter_box() { return adapter_; }
  QLabel* speed_label() { return speed_; }
  QProgressBar* progress_bar() { return progress_; }
  QMenuBar* menu_bar() { return menu_bar_; }
  PageView* view(PageId id) { return views_[static_cast<size_t>(id)]; }
  // The page view on show, or nullptr.
  PageView* shown_view();
  // True once the first transfer ran and the start-up timer fired.
  bool started() const { return started_; }

 public Q_SLOTS:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void AfterShown();
  void OnTick();

  MainController& controller_;
  QtScreen* screen_;
  std::unique_ptr<StartupSplash> splash_;
  QMenuBar* menu_bar_;
  QTabBar* tabs_;
  QStackedWidget* stack_;
  QWidget* blank_;
  QPushButton* search_;
  QPushButton* end_;
  QCheckBox* adapter_;
  QLabel* speed_;
  QProgressBar* progress_;
  std::array<PageView*, kPageCount> views_{};
  QTimer timer_;
  std::optional<MenuKind> built_menu_;
  bool shown_once_ = false;
  bool started_ = false;
  bool closing_ = false;
  bool updating_tabs_ = false;
};

}  // namespace telvane

#endif  // TELVANE_APP_GUI_MAIN_WINDOW_H_
