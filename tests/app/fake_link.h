// A link for the main-window tests: the search and the text-protocol attempt
// do what the test scripted, and every exchange operation is recorded.
#ifndef TELVANE_TESTS_APP_FAKE_LINK_H_
#define TELVANE_TESTS_APP_FAKE_LINK_H_

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "page/link_control.h"

namespace telvane::testing {

class FakeLink : public LinkControl, public Exchange {
 public:
  // --- Script -----------------------------------------------------------
  // Each search finds the next instrument of the list (kind 0 when none is
  // left). `name` and the serial digits go into the descriptor.
  struct Found {
    uint8_t kind = 0;
    std::string name;
    std::string serial = "123456";
    unsigned long baud = 115200;
    bool adapter = false;
  };
  std::vector<Found> searches;
  // The text-protocol attempt answers with these records when set.
  bool text_answers = false;
  std::vector<TextPlannedRecord> text_records;
  // Whether the instrument confirms the end-of-session command.
  bool disconnect_confirmed = true;
  // The record the next ReceiveRecord delivers (nullopt: it fails).
  std::function<bool(uint8_t*, size_t)> receive = [](uint8_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>(i * 7);
    return true;
  };
  bool command_confirmed = true;
  // Called inside every search, while the window would be blocked in it.
  std::function<void()> during_search;
  // Where the transactions report; set before a page uses transactions().
  Screen* screen = nullptr;

  // --- What happened ------------------------------------------------------
  std::vector<std::string> log;  // "search", "text", "command 0x01", "receive 1048576", ...
  int closes = 0;

  // --- LinkControl ----------------------------------------------------------
  InstrumentInfo& info() override { return info_; }
  LinkKind link_kind() const override { return LinkKind::kSerial; }
  Exchange& exchange() override { return *this; }
  Transactions& transactions() override {
    if (screen == nullptr) std::abort();  // a test forgot to say where messages go
    if (!transactions_) transactions_.emplace(*this, *screen);
    return *transactions_;
  }
  // No serial port behind this link: the cable meters' serial transfers fail.
  ByteChannel* session_channel() override { return nullptr; }
  InitialData& initial() override { return initial_; }
  // The search transfers installed by kind; a scripted search runs none.
  std::map<uint8_t, SearchTransfer> search_transfers;
  void SetSearchTransfer(uint8_t kind, SearchTransfer transfer) override {
    if (transfer) {
      search_transfers[kind] = std::move(transfer);
    } else {
      search_transfers.erase(kind);
    }
  }
  void Search(Screen&) override {
    log.push_back("search");
    if (during_search) during_search();
    info_.ClearIdentity();
    if (next_ < searches.size()) {
      const Found& f = searches[next_++];
      info_.kind = f.kind;
      info_.name = f.name;
      info_.SetSerial(reinterpret_cast<const uint8_t*>(f.serial.c_str()));
      baud_ = f.baud;
      adapter_ = f.adapter;
    }
  }
  bool TryTextInstrument(Screen&, const TextReceivingHook& receiving,
                         std::vector<TextPlannedRecord>& records) override {
    log.push_back("text");
    info_.session = false;
    if (!text_answers) return false;
    receiving("КВР-ПРО 9.31. Прием данных...", "19200 бит/сек");
    info_.kind = kTextInstrument;
    info_.SetSerial(reinterpret_cast<const uint8_t*>("------"));
    info_.name = "КВР-ПРО 9.31";
    info_.session = true;
    records = text_records;
    return true;
  }
  void EndSession(Screen&) override { End(); }
  void Close() override { ++closes; }
  unsigned long baud_rate() const override { return baud_; }
  void ResetBaudRate() override { baud_ = 9600; }
  bool irda_adapter() const override { return adapter_; }

  // --- Exchange -------------------------------------------------------------
  bool SendCommand(const Address& address, uint8_t code, Wait wait) override {
    char text[64];
    std::snprintf(text, sizeof text, "command 0x%02x wait %ld", code, wait.seconds);
    log.push_back(text);
    return command_confirmed;
  }
  bool ReceiveRecord(const Address&, uint8_t* destination, size_t length, ConfirmSource confirm,
                     Progress progress, Wait wait) override {
    log.push_back("receive " + std::to_string(length) + " confirm " +
                  std::to_string(confirm.raw()) + " wait " + std::to_string(wait.seconds));
    return receive(destination, length);
  }
  bool SendRecord(const Address&, const uint8_t*, size_t length, uint8_t, Progress, Wait) override {
    log.push_back("send " + std::to_string(length));
    return true;
  }
  bool ReceiveBlock(uint8_t*, size_t length, Progress, ConfirmSource, Wait) override {
    log.push_back("receive block " + std::to_string(length));
    return false;
  }
  bool SendBlock(const uint8_t*, size_t length, Progress, ConfirmSource, Wait) override {
    log.push_back("send block " + std::to_string(length));
    return false;
  }
  bool Disconnect() override {
    End();
    return disconnect_confirmed;
  }

 private:
  void End() {
    log.push_back("command 0xff");
    if (disconnect_confirmed) info_.ClearIdentity();
  }

  InstrumentInfo info_;
  InitialData initial_;
  std::optional<Transactions> transactions_;
  size_t next_ = 0;
  unsigned long baud_ = 9600;
  bool adapter_ = false;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_APP_FAKE_LINK_H_
