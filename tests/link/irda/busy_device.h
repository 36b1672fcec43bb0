// An emulated IrDA device that never accepts: a listening Unix socket in the
// device folder whose listen backlog is full, so that every further connect
// to it would wait.
#ifndef TELVANE_TESTS_LINK_IRDA_BUSY_DEVICE_H_
#define TELVANE_TESTS_LINK_IRDA_BUSY_DEVICE_H_

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace telvane::testing {

class BusyDevice {
 public:
  BusyDevice(const std::string& dir, const std::string& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir + "/" + name;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        listen(listener_, 0) != 0) {
      return;
    }
    // Connect without blocking until the backlog refuses more.
    for (int i = 0; i < 16; ++i) {
      const int client = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
      if (connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        full_ = errno == EAGAIN;
        close(client);
        break;
      }
      clients_.push_back(client);
    }
  }
  ~BusyDevice() {
    for (const int c : clients_) close(c);
    if (listener_ >= 0) close(listener_);
  }
  BusyDevice(const BusyDevice&) = delete;
  BusyDevice& operator=(const BusyDevice&) = delete;

  // The backlog is full: a blocking connect would wait.
  bool full() const { return full_; }

 private:
  int listener_ = -1;
  std::vector<int> clients_;
  bool full_ = false;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_LINK_IRDA_BUSY_DEVICE_H_
