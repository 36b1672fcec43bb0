// The pages of the main window without a window: the link, the page context
// and every page, as the main window creates them, for one command. A session
// is opened with a known instrument (--session KIND:SERIAL:PORT) or by the
// start-up search; the kind's first transfer then runs as the window runs it
// after a search, and the command works on the pages through their actions.
#ifndef TELVANE_CLI_PAGE_SESSION_H_
#define TELVANE_CLI_PAGE_SESSION_H_

#include <cstdint>
#include <memory>
#include <string>

#include "app/link_adapter.h"
#include "app/page_registry.h"
#include "cable/pages/known_session.h"
#include "cli/cli_screen.h"
#include "link/link.h"
#include "page/instrument_page.h"

namespace telvane::cli {

// The port word of --session that stands for the emulated IrDA device.
inline constexpr char kIrdaPort[] = "irda";

class PageSession {
 public:
  explicit PageSession(CliScreen& screen);
  // Ends the session (command 0xFF over the link in use) and closes the link.
  ~PageSession();
  PageSession(const PageSession&) = delete;
  PageSession& operator=(const PageSession&) = delete;

  // Opens the session with a known instrument on COMn or on the emulated
  // IrDA device ("irda"); false after the fault was shown.
  bool OpenKnown(const KnownInstrument& instrument);
  // The start-up search; false when it found no binary-protocol instrument.
  bool Search();
  // The kind's first transfer, as the window runs it after a search.
  void RunFirstTransfer();

  uint8_t kind() { return link_.info().kind; }
  CliScreen& screen() { return screen_; }
  PageContext& context() { return context_; }
  Link& link() { return link_; }
  // The text given to the running action (a name or a path), empty for
  // actions that take none.
  const std::string& action_text() const { return action_text_; }
  void set_action_text(std::string text) { action_text_ = std::move(text); }

  // The page of `id` as the class the registry creates for it.
  template <typename PageClass>
  PageClass& page(PageId id) {
    return static_cast<PageClass&>(pages_->page(id));
  }

 private:
  CliScreen& screen_;
  Link link_;
  LinkAdapter adapter_;
  AppOptions options_;
  SessionFacts facts_;
  PageContext context_;
  std::unique_ptr<PageRegistry> pages_;
  bool open_ = false;
  std::string action_text_;
};

}  // namespace telvane::cli

#endif  // TELVANE_CLI_PAGE_SESSION_H_
