// The behaviour of the main window without the window: which tabs, pages and
// menu the kind gets, the start-up search and the one-shot timer, "Поиск",
// "Конец связи", closing with its questions, and the first transfer by kind.
// The Qt MainWindow (gui/main_window.h) is a thin view over it; tests drive it
// with a scripted Screen and a recording MainView.
#ifndef TELVANE_APP_MAIN_CONTROLLER_H_
#define TELVANE_APP_MAIN_CONTROLLER_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/kind_table.h"
#include "app/page_registry.h"
#include "base/screen.h"
#include "page/instrument_page.h"
#include "page/link_control.h"
#include "page/options.h"

namespace telvane {

// What the controller asks of the window it drives.
class MainView {
 public:
  virtual ~MainView() = default;
  // Tabs, selection, page, menu, button, check box, caption or speed changed:
  // redraw them from the controller's accessors (synchronously, the
  // controller may block afterwards).
  virtual void StateChanged() = 0;
  // The start-up splash "Идет поиск совместимых устройств".
  virtual void ShowSplash(bool visible) = 0;
  // The controller decided that the window closes now.
  virtual void CloseWindow() = 0;
};

inline constexpr const char* kProgramName = "Telvane";
inline constexpr const char* kNothingFound =
    "Совместимые устройства не найдены\r\nПереподключите прибор и попробуйте снова...";
inline constexpr const char* kEndSessionQuestion = "Завершить сеанс связи?";
inline constexpr const char* kQuitQuestion = "Завершить работу с программой?";
inline constexpr const char* kSaveQuestion = "Сохранить данные?";
inline constexpr unsigned long kDefaultBaudRate = 9600;

class MainController {
 public:
  // `make_page`, when given, creates pages in place of the catalogue (tests).
  MainController(Screen& screen, LinkControl& link, const AppOptions& options,
                 const PageMaker& make_page = {});

  void SetView(MainView* view) { view_ = view; }
  // Replaces the start-up search of Construct, once, by `open` (a session with
  // a known instrument, no splash); "Поиск" searches as always.
  void SetStartupSession(std::function<void()> open) { startup_session_ = std::move(open); }

  // --- The window's life, in the order the window calls them -------------
  // While the window is built: clears every page's buffers, shows the splash,
  // runs the start-up search, hides the splash.
  void Construct();
  // Tabs, menu and speed label for the kind found.
  void Initialize();
  // The window is visible: the kind's first transfer.
  void RunFirstTransfer();
  // The window was first shown: end button and adapter box. The window then
  // starts its 100 ms timer and calls OnTimer on each tick.
  void OnFirstShown();
  // The timer ticked; returns false when the timer is to be killed (always, on
  // the first tick, which runs the text-protocol attempt when nothing is known).
  bool OnTimer();

  // --- The person's commands ----------------------------------------------
  void SelectTab(int index);
  void Search();
  void EndSession();
  // Escape, the close box, "Выход" and "Закрыть": asks what the state needs;
  // calls MainView::CloseWindow when the window is to close.
  void RequestClose();
  // A command of the file or database menu (help and about are the window's).
  void MenuCommand(telvane::MenuCommand command);
  // When the window is gone: closes the port and the socket.
  void Shutdown();

  // --- What the window shows ----------------------------------------------
  const std::vector<Tab>& tabs() const { return tabs_; }
  int selected_tab() const { return selected_; }
  // The page shown under the selected tab (nullopt: none).
  std::optional<PageId> shown_page() const;
  MenuKind menu() const { return menu_; }
  bool end_enabled() const { return end_enabled_; }
  bool adapter_checked() const { return adapter_checked_; }
  // "9600 бит/сек".
  const std::string& speed_text() const { return speed_text_; }
  const std::string& caption() const { return caption_; }
  bool closed() const { return closed_; }

  PageRegistry& pages() { return pages_; }
  PageContext& context() { return context_; }
  uint8_t kind() { return link_.info().kind; }

 private:
  void Notify();
  void Splash(bool visible);
  void BuildForKind();
  void SetSpeed(unsigned long baud);
  // The question before the session is left, for the kinds that ask it (7);
  // marks the data saved.
  void AskToSave();
  // Tries the text-protocol instrument; true when it answered.
  bool TryText();
  void ShowTextInstrument();

  Screen& screen_;
  LinkControl& link_;
  SessionFacts facts_;
  PageContext context_;
  PageRegistry pages_;
  MainView* view_ = nullptr;
  std::function<void()> startup_session_;

  std::vector<Tab> tabs_;
  int selected_ = 0;
  MenuKind menu_ = MenuKind::kCloseOnly;
  bool end_enabled_ = false;
  bool adapter_checked_ = false;
  std::string speed_text_;
  std::string caption_ = kProgramName;
  bool timer_fired_ = false;
  bool closed_ = false;
};

// "%lu бит/сек".
std::string SpeedText(unsigned long baud);

}  // namespace telvane

#endif  // TELVANE_APP_MAIN_CONTROLLER_H_
