#include "support/pty_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace telvane::testing {

PtyPeer::PtyPeer() {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
    if (master >= 0) ::close(master);
    return;
  }
  slave_path_ = ::ptsname(master);
  // Held open so that the line stays raw and the master never sees a hang-up.
  slave_ = ::open(slave_path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios tio{};
  if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0) {
    ::close(master);
    return;
  }
  ::cfmakeraw(&tio);
  ::tcsetattr(slave_, TCSANOW, &tio);
  master_ = master;
}

PtyPeer::~PtyPeer() {
  Join();
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

std::vector<uint8_t> PtyPeer::Read(size_t count, int timeout_ms) {
  std::vector<uint8_t> bytes;
  while (bytes.size() < count) {
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) break;
    uint8_t buffer[4096];
    const size_t want = std::min(sizeof buffer, count - bytes.size());
    const ssize_t got = ::read(master_, buffer, want);
    if (got <= 0) {
      if (got < 0 && errno == EINTR) continue;
      break;
    }
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  return bytes;
}

void PtyPeer::Write(const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return;
    }
    done += static_cast<size_t>(put);
  }
}

void PtyPeer::Run(std::function<void(PtyPeer&)> script) {
  Join();
  thread_ = std::thread([this, script = std::move(script)] { script(*this); });
}

void PtyPeer::Join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace telvane::testing
