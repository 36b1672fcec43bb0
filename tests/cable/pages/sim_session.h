// A session with telvane-sim for the cable page tests: the simulator of one
// kind on COM3 of a temporary port folder, the process-wide Link opened on it
// with the known kind, serial number and port (no search), the scripted person
// at the screen and the page context the pages are built with.
#ifndef TELVANE_TESTS_CABLE_PAGES_SIM_SESSION_H_
#define TELVANE_TESTS_CABLE_PAGES_SIM_SESSION_H_

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/link_adapter.h"
#include "cable/pages/known_session.h"
#include "link/link.h"
#include "page/instrument_page.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"
#include "support/test_options.h"

namespace telvane::testing {

inline constexpr char kSimSerial[] = "123456";

class SimSession {
 public:
  // `open`: open the session (false leaves the link closed, kind 0).
  explicit SimSession(uint8_t kind, std::vector<std::string> extra = {}, bool open = true)
      : link_(screen_), adapter_(link_), context_{screen_, adapter_, options_, facts_} {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", kSimSerial,
                                     "--trace"};
    args.insert(args.end(), extra.begin(), extra.end());
    sim_ = std::make_unique<SimProcess>(dir_.path(), 3, args);
    if (!open) return;
    opened_ = sim_->ready() && OpenKnownSession(link_, {kind, kSimSerial, "COM3"});
  }
  ~SimSession() { link_.ClosePort(); }

  bool opened() const { return opened_; }
  ScriptedScreen& screen() { return screen_; }
  Link& link() { return link_; }
  PageContext& context() { return context_; }
  // Read by a page when it is made.
  AppOptions& options() { return options_; }
  // The simulator's trace: one "sim: <-" line per frame it read.
  std::string Log() const { return sim_->Log(); }
  // Frames the simulator read since the last call.
  // The simulator logs a frame after it read it, a moment after the program
  // wrote it (the last confirmation of a transfer, say), so the log is taken
  // once it has been quiet for a while.
  std::string NewTraffic() {
    const std::string log = SettledLog();
    std::string fresh = log.substr(std::min(seen_, log.size()));
    seen_ = log.size();
    return fresh;
  }

 private:
  std::string SettledLog() const {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    std::string log = Log();
    for (;;) {
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
      std::string again = Log();
      if (again == log || Clock::now() > deadline) return again;
      log = std::move(again);
    }
  }

  SimPortDir dir_;
  ScriptedScreen screen_;
  Link link_;
  LinkAdapter adapter_;
  AppOptions options_ = testing::TestOptions();
  SessionFacts facts_;
  PageContext context_;
  std::unique_ptr<SimProcess> sim_;
  bool opened_ = false;
  size_t seen_ = 0;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_CABLE_PAGES_SIM_SESSION_H_
