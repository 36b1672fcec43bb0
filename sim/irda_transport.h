// The simulated instrument as an IrDA device of the emulated stack: a Unix
// stream socket named after the device in the folder of devices in range.
#ifndef TELVANE_SIM_IRDA_TRANSPORT_H_
#define TELVANE_SIM_IRDA_TRANSPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "channel.h"
#include "config.h"

namespace sim {

// One accepted connection.
class SocketChannel : public Channel {
 public:
  explicit SocketChannel(int fd) : fd_(fd) {}
  ~SocketChannel() override;
  SocketChannel(const SocketChannel&) = delete;
  SocketChannel& operator=(const SocketChannel&) = delete;

 protected:
  bool RawRead(std::vector<uint8_t>& out, int timeout_ms) override;
  bool RawWrite(const uint8_t* data, size_t length) override;

 private:
  int fd_;
};

// Listens on DIR/NAME and serves one connection at a time with the binary
// protocol until stopped; removes the socket file at the end. Returns the exit
// status (2 when the socket cannot be set up).
int ServeIrda(const std::string& dir, const std::string& name, const Config& config);

}  // namespace sim

#endif  // TELVANE_SIM_IRDA_TRANSPORT_H_
