// IrDA devices emulated by Unix stream sockets in one folder: every socket
// file is a device in range, its file name the device name (in CP1251, cut to
// 22 bytes) and a stable 4-byte device id derived from the file name.
// Connecting to a device's "IrClient" service connects to that socket file.
// Hidden files (names beginning with a dot) are not devices.
#ifndef TELVANE_LINK_IRDA_EMULATED_STACK_H_
#define TELVANE_LINK_IRDA_EMULATED_STACK_H_

#include <sys/un.h>

#include <chrono>
#include <string>
#include <vector>

#include "link/irda_stack.h"

namespace telvane {

class EmulatedIrdaStack : public IrdaStack {
 public:
  // How long a connect waits for a device that does not accept (its listen
  // backlog full) before it fails as refused, and how often it tries.
  static constexpr std::chrono::milliseconds kConnectWait{500};
  static constexpr std::chrono::milliseconds kConnectRetry{10};

  explicit EmulatedIrdaStack(std::string dir) : dir_(std::move(dir)) {}

  // One device in range: its socket file and its list entry.
  struct Device {
    std::string path;
    DeviceEntry entry;
  };
  // The sockets of the folder, by file name.
  std::vector<Device> Scan() const;
  // The id the emulated stack gives the device with this file name.
  static DeviceId IdOf(const std::string& file_name);

  bool Startup(uint16_t version, uint16_t& granted) override;
  void Cleanup() override {}
  Socket OpenSocket(int family, int type, int protocol) override;
  bool EnumerateDevices(Socket socket, uint8_t* buffer, size_t length) override;
  bool Connect(Socket socket, const IrdaAddress& address) override;
  long Send(Socket socket, const uint8_t* data, size_t length) override;
  long Receive(Socket socket, uint8_t* data, size_t length) override;
  int Select(Socket socket, WaitMode mode, Wait wait) override;
  void Close(Socket socket) override;
  int LastError() override { return last_error_; }

 private:
  // connect() with the wait above; ETIMEDOUT when it ran out.
  bool ConnectBounded(Socket socket, const sockaddr_un& address);

  std::string dir_;
  int last_error_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_EMULATED_STACK_H_
