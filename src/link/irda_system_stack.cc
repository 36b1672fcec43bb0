#include "link/irda_system_stack.h"

#include <cerrno>

namespace telvane {

bool SystemIrdaStack::Startup(uint16_t version, uint16_t& granted) {
  granted = 0;
  last_error_ = EAFNOSUPPORT;
  return false;
}

IrdaStack::Socket SystemIrdaStack::OpenSocket(int family, int type, int protocol) {
  last_error_ = EAFNOSUPPORT;
  return kNoSocket;
}

bool SystemIrdaStack::EnumerateDevices(Socket socket, uint8_t* buffer, size_t length) {
  last_error_ = EBADF;
  return false;
}

bool SystemIrdaStack::Connect(Socket socket, const IrdaAddress& address) {
  last_error_ = EBADF;
  return false;
}

long SystemIrdaStack::Send(Socket socket, const uint8_t* data, size_t length) {
  last_error_ = EBADF;
  return -1;
}

long SystemIrdaStack::Receive(Socket socket, uint8_t* data, size_t length) {
  last_error_ = EBADF;
  return -1;
}

int SystemIrdaStack::Select(Socket socket, WaitMode mode, Wait wait) {
  last_error_ = EBADF;
  return -1;
}

}  // namespace telvane
