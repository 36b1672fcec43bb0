#include "link/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <sstream>

#include "link/port_names.h"
#include "link/serial_speed.h"

namespace telvane {
namespace {

constexpr size_t kQueueChunk = 4096;
// A write that the line cannot take for this long has failed.
constexpr int kWriteStallMs = 5000;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool ParseUnsigned(const std::string& text, uint32_t& value) {
  if (text.empty() || text.size() > 9) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint32_t>(c - '0');
  }
  return true;
}

bool ParseOnOff(const std::string& text, bool& value) {
  if (text == "on") {
    value = true;
  } else if (text == "off") {
    value = false;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::optional<LineSettings> ParseModeString(const std::string& mode) {
  LineSettings settings;
  std::istringstream words(mode);
  std::string word;
  bool any = false;
  bool stop_one_and_half = false;
  while (words >> word) {
    const size_t eq = word.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == word.size()) return std::nullopt;
    const std::string key = Lower(word.substr(0, eq));
    const std::string value = Lower(word.substr(eq + 1));
    uint32_t number = 0;
    if (key == "baud") {
      if (!ParseUnsigned(value, number) || number == 0) return std::nullopt;
      settings.baud = number;
    } else if (key == "parity") {
      if (value.size() != 1 || std::string("neoms").find(value[0]) == std::string::npos) {
        return std::nullopt;
      }
      settings.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
    } else if (key == "data") {
      if (!ParseUnsigned(value, number) || number < 5 || number > 8) return std::nullopt;
      settings.data_bits = static_cast<int>(number);
    } else if (key == "stop") {
      if (value == "1") {
        settings.stop_bits = 1;
      } else if (value == "2") {
        settings.stop_bits = 2;
      } else if (value == "1.5") {
        settings.stop_bits = 2;
        stop_one_and_half = true;
      } else {
        return std::nullopt;
      }
    } else if (key == "dtr") {
      if (!ParseOnOff(value, settings.dtr) && value != "hs") return std::nullopt;
    } else if (key == "rts") {
      if (!ParseOnOff(value, settings.rts) && value != "hs" && value != "tg") return std::nullopt;
    } else if (key == "xon" || key == "to" || key == "odsr" || key == "octs" || key == "idsr") {
      bool ignored;
      if (!ParseOnOff(value, ignored)) return std::nullopt;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  // The line cannot carry 1.5 stop bits except with 5 data bits, nor 2 stop
  // bits with 5 data bits.
  if (stop_one_and_half ? settings.data_bits != 5
                        : settings.stop_bits == 2 && settings.data_bits == 5) {
    return std::nullopt;
  }
  return settings;
}

bool IsSupportedBaud(uint32_t baud) { return baud > 0 && baud <= 4000000; }

SerialPort::SerialPort(SerialPort&& other) noexcept { *this = std::move(other); }

SerialPort& SerialPort::operator=(SerialPort&& other) noexcept {
  if (this != &other) {
    Close();
    port_ = std::move(other.port_);
    device_ = std::move(other.device_);
    settings_ = other.settings_;
    read_timeout_ms_ = other.read_timeout_ms_;
    last_count_ = other.last_count_;
    queue_ = std::move(other.queue_);
    queue_pos_ = other.queue_pos_;
  }
  return *this;
}

bool SerialPort::Open(const std::string& com_name) {
  const std::optional<std::string> path = ResolvePortName(com_name);
  if (!path) return false;
  return OpenDevice(*path);
}

bool SerialPort::OpenDevice(const std::string& path) {
  Close();
  PosixFile port(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!port.valid()) return false;
  // No sharing: the lock is on the device itself, so two names of one device
  // exclude each other as well.
  if (::flock(port.fd(), LOCK_EX | LOCK_NB) != 0 || ::isatty(port.fd()) == 0) return false;
  ::ioctl(port.fd(), TIOCEXCL);
  port_ = std::move(port);
  device_ = path;
  queue_.clear();
  queue_pos_ = 0;
  last_count_ = 0;
  return true;
}

void SerialPort::Close() {
  if (!port_.valid()) return;
  ::ioctl(port_.fd(), TIOCNXCL);
  ::flock(port_.fd(), LOCK_UN);
  port_.Close();
  device_.clear();
  queue_.clear();
  queue_pos_ = 0;
}

bool SerialPort::Apply(const LineSettings& settings) {
  if (!port_.valid() || !IsSupportedBaud(settings.baud)) return false;
  termios tio{};
  if (::tcgetattr(port_.fd(), &tio) != 0) return false;
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CMSPAR);
  tio.c_cflag |= CREAD | CLOCAL;
  switch (settings.data_bits) {
    case 5:
      tio.c_cflag |= CS5;
      break;
    case 6:
      tio.c_cflag |= CS6;
      break;
    case 7:
      tio.c_cflag |= CS7;
      break;
    default:
      tio.c_cflag |= CS8;
      break;
  }
  switch (settings.parity) {
    case 'E':
      tio.c_cflag |= PARENB;
      break;
    case 'O':
      tio.c_cflag |= PARENB | PARODD;
      break;
    case 'M':
      tio.c_cflag |= PARENB | PARODD | CMSPAR;
      break;
    case 'S':
      tio.c_cflag |= PARENB | CMSPAR;
      break;
    default:
      break;
  }
  if (settings.stop_bits == 2) tio.c_cflag |= CSTOPB;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (::tcsetattr(port_.fd(), TCSANOW, &tio) != 0) return false;
  if (!SetLineSpeed(port_.fd(), settings.baud)) return false;
  settings_ = settings;
  SetDtr(settings.dtr);
  SetRts(settings.rts);
  return true;
}

bool SerialPort::SetBaud(uint32_t baud) {
  if (!port_.valid() || !IsSupportedBaud(baud) || !SetLineSpeed(port_.fd(), baud)) return false;
  settings_.baud = baud;
  return true;
}

uint32_t SerialPort::DeviceBaud() const { return port_.valid() ? GetLineSpeed(port_.fd()) : 0; }

bool SerialPort::SetReadTimeout(int milliseconds) {
  if (!port_.valid() || milliseconds < 0) return false;
  read_timeout_ms_ = milliseconds;
  return true;
}

bool SerialPort::SetBufferSizes(size_t input, size_t output) {
  return port_.valid() && input > 0 && output > 0;
}

bool SerialPort::Purge(bool receive, bool transmit) {
  if (!port_.valid()) return false;
  if (receive) {
    queue_.clear();
    queue_pos_ = 0;
  }
  bool done = true;
  // What is queued for sending is the program's own last frame or
  // confirmation, written whole; it is let out rather than thrown away, so
  // that the instrument still reads the confirmation of the transfer before
  // (discarding it would leave the instrument waiting for it, and on a
  // pseudo-terminal even bytes already handed over would be lost).
  if (transmit) done = ::tcdrain(port_.fd()) == 0 || errno == EINTR;
  if (receive) done = ::tcflush(port_.fd(), TCIFLUSH) == 0 && done;
  return done;
}

bool SerialPort::SetEventMaskRxChar() { return port_.valid(); }

bool SerialPort::ModemBit(int bit, bool on) {
  if (!port_.valid()) return false;
  if (::ioctl(port_.fd(), on ? TIOCMBIS : TIOCMBIC, &bit) == 0) return true;
  // A pseudo-terminal has no modem lines; that is not a fault of the port.
  return errno == ENOTTY || errno == EINVAL || errno == EIO;
}

bool SerialPort::SetDtr(bool on) { return ModemBit(TIOCM_DTR, on); }
bool SerialPort::SetRts(bool on) { return ModemBit(TIOCM_RTS, on); }

ReadResult SerialPort::ReadByte(uint8_t& byte) {
  last_count_ = 0;
  if (!port_.valid()) return ReadResult::kError;
  if (queue_pos_ >= queue_.size()) {
    queue_.clear();
    queue_pos_ = 0;
    pollfd p{port_.fd(), POLLIN, 0};
    int ready;
    do {
      ready = ::poll(&p, 1, read_timeout_ms_);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) return ReadResult::kError;
    if (ready == 0) return ReadResult::kTimeout;
    if ((p.revents & POLLIN) == 0) return ReadResult::kError;
    queue_.resize(kQueueChunk);
    ssize_t got;
    do {
      got = ::read(port_.fd(), queue_.data(), queue_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      queue_.clear();
      return ReadResult::kTimeout;
    }
    if (got <= 0) {
      queue_.clear();
      return ReadResult::kError;
    }
    queue_.resize(static_cast<size_t>(got));
  }
  byte = queue_[queue_pos_++];
  last_count_ = 1;
  return ReadResult::kByte;
}

bool SerialPort::WriteByte(uint8_t byte) {
  last_count_ = 0;
  if (!port_.valid()) return false;
  for (;;) {
    const ssize_t put = ::write(port_.fd(), &byte, 1);
    if (put == 1) {
      last_count_ = 1;
      return true;
    }
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd p{port_.fd(), POLLOUT, 0};
      const int ready = ::poll(&p, 1, kWriteStallMs);
      if (ready > 0 && (p.revents & POLLOUT) != 0) continue;
      if (ready < 0 && errno == EINTR) continue;
    }
    return false;
  }
}

bool SerialPort::Write(const uint8_t* data, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (!WriteByte(data[i])) return false;
  }
  return true;
}

}  // namespace telvane
