#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "link/irda/irda_peer.h"

namespace telvane::testing {

namespace {

// Generous bounds so that a broken program fails the test instead of hanging it.
constexpr int kPeerWaitMs = 15000;

bool WaitReadable(int fd) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, kPeerWaitMs) == 1;
}

}  // namespace

uint8_t Sum(const Bytes& bytes) {
  uint8_t sum = 0;
  for (uint8_t b : bytes) sum = static_cast<uint8_t>(sum + b);
  return sum;
}

Bytes WithSum(Bytes bytes) {
  const uint8_t sum = Sum(bytes);
  bytes.push_back(sum);
  return bytes;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

IrdaPeer::IrdaPeer(const std::string& dir, const std::string& name) : path_(dir + "/" + name) {
  listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path_.c_str(), sizeof(address.sun_path) - 1);
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listener_, 1) != 0) {
    ADD_FAILURE() << "cannot listen on " << path_;
  }
}

IrdaPeer::~IrdaPeer() {
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0) close(listener_);
  unlink(path_.c_str());
}

IrdaPeer& IrdaPeer::Read(size_t count) {
  steps_.push_back({count, {}});
  return *this;
}

IrdaPeer& IrdaPeer::Write(Bytes bytes) {
  steps_.push_back({0, std::move(bytes)});
  return *this;
}

void IrdaPeer::Start() {
  thread_ = std::thread([this] { Run(); });
}

Bytes IrdaPeer::Finish() {
  if (thread_.joinable()) thread_.join();
  return received_;
}

void IrdaPeer::Run() {
  if (!WaitReadable(listener_)) {
    ADD_FAILURE() << "nobody connected to " << path_;
    return;
  }
  const int fd = accept(listener_, nullptr, nullptr);
  if (fd < 0) return;
  uint8_t buffer[4096];
  for (const Step& step : steps_) {
    for (size_t left = step.read; left > 0;) {
      if (!WaitReadable(fd)) {
        ADD_FAILURE() << "peer waited in vain for " << left << " more bytes";
        close(fd);
        return;
      }
      const ssize_t got = recv(fd, buffer, std::min(left, sizeof(buffer)), 0);
      if (got <= 0) {
        ADD_FAILURE() << "link closed while the peer expected " << left << " more bytes";
        close(fd);
        return;
      }
      received_.insert(received_.end(), buffer, buffer + got);
      left -= static_cast<size_t>(got);
    }
    if (!step.write.empty()) {
      send(fd, step.write.data(), step.write.size(), MSG_NOSIGNAL);
    }
  }
  // Everything else the program sends, until it closes the link.
  while (WaitReadable(fd)) {
    const ssize_t got = recv(fd, buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    received_.insert(received_.end(), buffer, buffer + got);
  }
  close(fd);
}

long SplittingStack::Send(Socket socket, const uint8_t* data, size_t length) {
  {
    std::lock_guard<std::mutex> lock(log_->mutex);
    log_->sends.push_back(length);
  }
  return inner_->Send(socket, data, length);
}

long SplittingStack::Receive(Socket socket, uint8_t* data, size_t length) {
  {
    std::lock_guard<std::mutex> lock(log_->mutex);
    log_->receive_requests.push_back(length);
  }
  if (arrival_left_ == 0 && !arrivals_.empty()) {
    arrival_left_ = arrivals_.front();
    arrivals_.pop_front();
  }
  const size_t cap = arrival_left_ == 0 ? length : std::min(length, arrival_left_);
  const long got = inner_->Receive(socket, data, cap);
  if (got > 0 && arrival_left_ > 0) arrival_left_ -= static_cast<size_t>(got);
  std::lock_guard<std::mutex> lock(log_->mutex);
  log_->receive_results.push_back(got);
  return got;
}

}  // namespace telvane::testing
