#include "channel.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sim {

volatile std::sig_atomic_t g_stop = 0;

namespace {

constexpr int kSliceMs = 100;

double Now() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void SleepUntil(double when) {
  timespec ts;
  ts.tv_sec = static_cast<time_t>(when);
  ts.tv_nsec = static_cast<long>((when - static_cast<double>(ts.tv_sec)) * 1e9);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR && !g_stop) {
  }
}

}  // namespace

Got Channel::ReadByte(uint8_t& byte, int timeout_ms) {
  if (queue_pos_ >= queue_.size()) {
    queue_.clear();
    queue_pos_ = 0;
    const double deadline = Now() + timeout_ms / 1000.0;
    while (queue_.empty()) {
      if (g_stop) return Got::kClosed;
      int slice = kSliceMs;
      if (timeout_ms >= 0) {
        const double left = deadline - Now();
        if (left <= 0) return Got::kTimeout;
        slice = std::min(kSliceMs, static_cast<int>(left * 1000.0) + 1);
      }
      if (!RawRead(queue_, slice)) return Got::kClosed;
    }
  }
  byte = queue_[queue_pos_++];
  return Got::kByte;
}

void Channel::Drain() {
  queue_.clear();
  queue_pos_ = 0;
  while (RawRead(queue_, 0) && !queue_.empty()) queue_.clear();
  queue_.clear();
}

void Channel::Unread(std::span<const uint8_t> bytes) {
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(queue_pos_));
  queue_.insert(queue_.begin(), bytes.begin(), bytes.end());
  queue_pos_ = 0;
}

void Channel::Write(std::span<const uint8_t> bytes) {
  size_t length = bytes.size();
  if (silence_after_ >= 0) {
    const long room = std::max(0L, silence_after_ - written_);
    length = std::min(length, static_cast<size_t>(room));
  }
  written_ += static_cast<long>(bytes.size());
  if (length == 0) return;
  const uint8_t* data = bytes.data();
  if (pace_ <= 0) {
    RawWrite(data, length);
    return;
  }
  const double byte_time = 10.0 / static_cast<double>(pace_);
  // Like a UART's receive FIFO, the line hands bytes over about once a
  // millisecond rather than one by one; the rate stays exact.
  const double batch = std::max(1.0, std::floor(0.001 / byte_time));
  next_due_ = std::max(next_due_, Now());
  size_t done = 0;
  while (done < length && !g_stop) {
    // Every byte whose time on the line has come goes out in one write.
    const double now = Now();
    size_t ready = 0;
    while (done + ready < length && next_due_ + byte_time * static_cast<double>(ready) <= now) {
      ++ready;
    }
    if (ready == 0) {
      SleepUntil(next_due_ + byte_time * std::min(batch, static_cast<double>(length - done)));
      continue;
    }
    if (!RawWrite(data + done, ready)) return;
    done += ready;
    next_due_ += byte_time * static_cast<double>(ready);
  }
}

void Channel::Trace(const char* direction, std::span<const uint8_t> bytes) const {
  if (!trace_ || bytes.empty()) return;
  constexpr size_t kShown = 64;
  std::string line = "sim: ";
  line += direction;
  char hex[4];
  for (size_t i = 0; i < bytes.size() && i < kShown; ++i) {
    std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
    line += hex;
  }
  if (bytes.size() > kShown) line += " ... (" + std::to_string(bytes.size()) + " bytes)";
  std::fprintf(stderr, "%s\n", line.c_str());
}

bool PtyChannel::Create() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return false;
  const char* name = ptsname(master_);
  if (name == nullptr) return false;
  slave_path_ = name;
  // The slave stays open here for the whole run: the line settings then
  // survive the program closing and reopening the port, and the master never
  // sees a hang-up.
  slave_ = ::open(slave_path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) return false;
  termios tio{};
  if (tcgetattr(slave_, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  if (tcsetattr(slave_, TCSANOW, &tio) != 0) return false;
  const int flags = fcntl(master_, F_GETFL);
  return fcntl(master_, F_SETFL, flags | O_NONBLOCK) == 0;
}

PtyChannel::~PtyChannel() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

bool PtyChannel::RawRead(std::vector<uint8_t>& out, int timeout_ms) {
  pollfd p{master_, POLLIN, 0};
  const int ready = ::poll(&p, 1, timeout_ms);
  if (ready < 0) return errno == EINTR;
  if (ready == 0) return true;
  uint8_t buffer[4096];
  const ssize_t got = ::read(master_, buffer, sizeof buffer);
  if (got < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;
  out.insert(out.end(), buffer, buffer + got);
  return true;
}

bool PtyChannel::RawWrite(const uint8_t* data, size_t length) {
  size_t done = 0;
  while (done < length) {
    if (g_stop) return false;
    const ssize_t put = ::write(master_, data + done, length - done);
    if (put > 0) {
      done += static_cast<size_t>(put);
      continue;
    }
    if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd p{master_, POLLOUT, 0};
    ::poll(&p, 1, 100);
  }
  return true;
}

}  // namespace sim
