// A link connected through the emulated stack to one scripted peer.
#ifndef TELVANE_TESTS_LINK_IRDA_IRDA_FIXTURE_H_
#define TELVANE_TESTS_LINK_IRDA_IRDA_FIXTURE_H_

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "link/irda/irda_peer.h"
#include "link/irda_emulated_stack.h"
#include "link/irda_link.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane::testing {

class IrdaFixture : public ::testing::Test {
 protected:
  // The device the tests talk to; script it, then call Connect.
  IrdaPeer& peer() { return *peer_; }
  // Also starts over within one test: a new peer on the same socket file.
  void SetUp() override {
    link_.reset();
    peer_.reset();
    peer_ = std::make_unique<IrdaPeer>(dir_.path().string(), device_name());
  }
  virtual std::string device_name() const { return "dev"; }

  // Starts the peer and connects to it; `arrivals` split what the program
  // receives (see SplittingStack).
  void Connect(std::deque<size_t> arrivals = {}) {
    peer_->Start();
    auto stack = std::make_unique<SplittingStack>(
        std::make_unique<EmulatedIrdaStack>(dir_.path().string()), std::move(arrivals), log_);
    link_ = std::make_unique<IrdaLink>(std::move(stack), screen_);
    screen_.ChooseListEntry(0);
    LinkKind kind;
    ASSERT_TRUE(link_->ConnectIrda(info_, kind));
    screen_.ClearShown();
  }
  // Closes the link and returns everything the peer received.
  Bytes Wire() {
    link_->CloseIrda();
    return peer_->Finish();
  }

  TempDir dir_;
  ScriptedScreen screen_;
  InstrumentInfo info_;
  std::shared_ptr<SplittingStack::Log> log_ = std::make_shared<SplittingStack::Log>();
  std::unique_ptr<IrdaPeer> peer_;
  std::unique_ptr<IrdaLink> link_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_LINK_IRDA_IRDA_FIXTURE_H_
