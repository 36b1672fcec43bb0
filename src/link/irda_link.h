// The IrDA socket of the session: connection to the chosen device's "IrClient"
// service, bounded waits, and sends and receives that keep the last socket
// error number for the messages of the callers.
#ifndef TELVANE_LINK_IRDA_LINK_H_
#define TELVANE_LINK_IRDA_LINK_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/screen.h"
#include "link/instrument_info.h"
#include "link/irda_stack.h"

namespace telvane {

// Data travel on the socket in pieces of at most this many bytes.
inline constexpr size_t kIrdaPiece = 61;

class IrdaLink {
 public:
  IrdaLink(std::unique_ptr<IrdaStack> stack, Screen& screen);
  ~IrdaLink();
  IrdaLink(const IrdaLink&) = delete;
  IrdaLink& operator=(const IrdaLink&) = delete;

  // Lists the devices in range, lets the user choose one and connects to its
  // "IrClient" service. Clears the session flag and marks the link serial
  // first. A missing library, no device or a cancelled choice fail silently.
  bool ConnectIrda(InstrumentInfo& info, LinkKind& link_kind);
  // True when the socket became ready within the wait; a time-out is silent,
  // an error is shown.
  bool WaitSocket(Wait wait, WaitMode mode);
  void CloseIrda();
  // A socket connected to a device's service.
  bool connected() const { return connected_; }

  // One call of the stack each; -1 on failure (the error number is kept).
  long Send(const uint8_t* data, size_t length);
  long Receive(uint8_t* data, size_t length);
  int last_error() const { return last_error_; }
  bool last_send_failed() const { return send_failed_; }

  // The name of the device the user chose (UTF-8), empty before a choice.
  std::string ChosenDeviceName() const;

  // An error box.
  void ShowError(const std::string& caption, const std::string& text);
  // An error box captioned "Ошибка"; `format` holds one %d, filled with the
  // last socket error number.
  void ShowSocketError(const char* format);

  Screen& screen() { return screen_; }

 private:
  std::unique_ptr<IrdaStack> stack_;
  Screen& screen_;
  IrdaStack::Socket socket_ = IrdaStack::kNoSocket;
  bool started_ = false;
  bool connected_ = false;
  bool send_failed_ = false;
  long last_result_ = 0;
  int last_error_ = 0;
  std::vector<DeviceEntry> devices_;
  int chosen_ = -1;
};

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_LINK_H_
