#include "irda_transport.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "instruments.h"

namespace sim {

namespace {

constexpr int kAcceptSliceMs = 100;

}  // namespace

SocketChannel::~SocketChannel() {
  if (fd_ >= 0) ::close(fd_);
}

bool SocketChannel::RawRead(std::vector<uint8_t>& out, int timeout_ms) {
  pollfd p{fd_, POLLIN, 0};
  const int ready = ::poll(&p, 1, timeout_ms);
  if (ready < 0) return errno == EINTR;
  if (ready == 0) return true;
  uint8_t buffer[4096];
  const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
  if (got < 0) return errno == EAGAIN || errno == EINTR;
  // A receive of nothing on a readable socket: the program closed the link.
  if (got == 0) return false;
  out.insert(out.end(), buffer, buffer + got);
  return true;
}

bool SocketChannel::RawWrite(const uint8_t* data, size_t length) {
  size_t done = 0;
  while (done < length) {
    if (g_stop) return false;
    const ssize_t put = ::send(fd_, data + done, length - done, MSG_NOSIGNAL);
    if (put > 0) {
      done += static_cast<size_t>(put);
      continue;
    }
    if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd p{fd_, POLLOUT, 0};
    ::poll(&p, 1, 100);
  }
  return true;
}

int ServeIrda(const std::string& dir, const std::string& name, const Config& config) {
  const std::string path = dir + "/" + name;
  // Bound under a hidden name and renamed once listening, so that a program
  // never sees the device before it accepts connections.
  const std::string binding = dir + "/." + name + ".binding";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (name.empty() || name[0] == '.' || name.find('/') != std::string::npos ||
      binding.size() >= sizeof(address.sun_path)) {
    std::fprintf(stderr, "telvane-sim: unusable device name '%s'\n", name.c_str());
    return 2;
  }
  std::memcpy(address.sun_path, binding.c_str(), binding.size() + 1);
  const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ::unlink(binding.c_str());
  if (listener < 0 ||
      ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(listener, 1) != 0 || ::rename(binding.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "telvane-sim: cannot listen on %s: %s\n", path.c_str(),
                 std::strerror(errno));
    if (listener >= 0) ::close(listener);
    ::unlink(binding.c_str());
    return 2;
  }
  if (config.trace)
    std::fprintf(stderr, "sim: kind %d as IrDA device %s\n", config.kind, path.c_str());

  while (!g_stop) {
    pollfd p{listener, POLLIN, 0};
    if (::poll(&p, 1, kAcceptSliceMs) <= 0) continue;
    const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    if (config.trace) std::fprintf(stderr, "sim: connection accepted\n");
    // No pacing: an IrDA link delivers every frame whole.
    SocketChannel channel(fd);
    channel.set_trace(config.trace);
    channel.set_silence_after(config.faults.silence_after);
    ServeBinary(channel, config);
    if (config.trace) std::fprintf(stderr, "sim: connection closed\n");
  }
  ::close(listener);
  ::unlink(path.c_str());
  return 0;
}

}  // namespace sim
