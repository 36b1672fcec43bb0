#include "link/irda_emulated_stack.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "base/cp1251.h"

namespace telvane {

DeviceId EmulatedIrdaStack::IdOf(const std::string& file_name) {
  // FNV-1a: the same name always gives the same id, whatever else is in range.
  uint32_t hash = 2166136261u;
  for (unsigned char c : file_name) hash = (hash ^ c) * 16777619u;
  if (hash == 0) hash = 1;
  return {static_cast<uint8_t>(hash), static_cast<uint8_t>(hash >> 8),
          static_cast<uint8_t>(hash >> 16), static_cast<uint8_t>(hash >> 24)};
}

std::vector<EmulatedIrdaStack::Device> EmulatedIrdaStack::Scan() const {
  std::vector<Device> devices;
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(dir_, ec)) {
    const std::string file_name = item.path().filename().string();
    struct stat st;
    const std::string path = item.path().string();
    if (stat(path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) continue;
    // Hidden files are not in range: a device being set up binds under one.
    if (file_name.empty() || file_name[0] == '.') continue;
    Device device;
    device.path = path;
    device.entry.id = IdOf(file_name);
    device.entry.name = Utf8ToCp1251(file_name).substr(0, kDeviceNameSize);
    devices.push_back(std::move(device));
  }
  std::sort(devices.begin(), devices.end(),
            [](const Device& a, const Device& b) { return a.path < b.path; });
  return devices;
}

bool EmulatedIrdaStack::Startup(uint16_t version, uint16_t& granted) {
  granted = kIrdaLibraryVersion;
  return true;
}

IrdaStack::Socket EmulatedIrdaStack::OpenSocket(int family, int type, int protocol) {
  if (family != kIrdaFamily || type != kStreamSocket || protocol != 0) {
    last_error_ = EAFNOSUPPORT;
    return kNoSocket;
  }
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) last_error_ = errno;
  return fd;
}

bool EmulatedIrdaStack::EnumerateDevices(Socket socket, uint8_t* buffer, size_t length) {
  if (socket < 0) {
    last_error_ = EBADF;
    return false;
  }
  if (length < kDeviceListSize) {
    last_error_ = EFAULT;
    return false;
  }
  std::vector<DeviceEntry> entries;
  for (const Device& device : Scan()) entries.push_back(device.entry);
  const auto list = BuildDeviceList(entries);
  std::copy(list.begin(), list.end(), buffer);
  return true;
}

bool EmulatedIrdaStack::ConnectBounded(Socket socket, const sockaddr_un& address) {
  // A device whose listen backlog is full would hold a blocking connect for
  // ever: connect without blocking and try again until the wait is over.
  const int flags = fcntl(socket, F_GETFL);
  if (flags < 0 || fcntl(socket, F_SETFL, flags | O_NONBLOCK) != 0) {
    last_error_ = errno;
    return false;
  }
  const auto deadline = std::chrono::steady_clock::now() + kConnectWait;
  int result = -1;
  int error = 0;
  for (;;) {
    result = connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    error = errno;
    if (result == 0 || error != EAGAIN) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      error = ETIMEDOUT;
      break;
    }
    std::this_thread::sleep_for(kConnectRetry);
  }
  fcntl(socket, F_SETFL, flags);
  if (result != 0) {
    last_error_ = error;
    return false;
  }
  return true;
}

bool EmulatedIrdaStack::Connect(Socket socket, const IrdaAddress& address) {
  if (address.family != kIrdaFamily) {
    last_error_ = EAFNOSUPPORT;
    return false;
  }
  if (std::strncmp(address.service.data(), kIrdaService, address.service.size()) != 0) {
    last_error_ = ECONNREFUSED;
    return false;
  }
  for (const Device& device : Scan()) {
    if (device.entry.id != address.device) continue;
    sockaddr_un unix_address{};
    unix_address.sun_family = AF_UNIX;
    if (device.path.size() >= sizeof(unix_address.sun_path)) {
      last_error_ = ENAMETOOLONG;
      return false;
    }
    std::memcpy(unix_address.sun_path, device.path.c_str(), device.path.size() + 1);
    return ConnectBounded(socket, unix_address);
  }
  last_error_ = EHOSTUNREACH;
  return false;
}

long EmulatedIrdaStack::Send(Socket socket, const uint8_t* data, size_t length) {
  ssize_t sent;
  do {
    sent = send(socket, data, length, MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  if (sent < 0) last_error_ = errno;
  return static_cast<long>(sent);
}

long EmulatedIrdaStack::Receive(Socket socket, uint8_t* data, size_t length) {
  ssize_t got;
  do {
    got = recv(socket, data, length, 0);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    last_error_ = errno;
    return -1;
  }
  if (got == 0 && length > 0) {
    last_error_ = ECONNRESET;
    return -1;
  }
  return static_cast<long>(got);
}

int EmulatedIrdaStack::Select(Socket socket, WaitMode mode, Wait wait) {
  pollfd fd{};
  fd.fd = socket;
  fd.events = mode == WaitMode::kReadable   ? POLLIN
              : mode == WaitMode::kWritable ? POLLOUT
                                            : POLLPRI;
  const long long ms =
      static_cast<long long>(wait.seconds) * 1000 + (wait.microseconds + 999) / 1000;
  const int timeout = static_cast<int>(std::clamp<long long>(ms, 0, 0x7FFFFFFF));
  int ready;
  do {
    ready = poll(&fd, 1, timeout);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) {
    last_error_ = errno;
    return -1;
  }
  if (ready == 0) return 0;
  if (fd.revents & POLLNVAL) {
    last_error_ = EBADF;
    return -1;
  }
  // A closed or failed connection counts as readable: the receive then reports
  // the failure with its own message.
  return 1;
}

void EmulatedIrdaStack::Close(Socket socket) {
  if (socket >= 0) close(socket);
}

}  // namespace telvane
