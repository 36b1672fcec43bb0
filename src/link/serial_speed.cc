#include "link/serial_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace telvane {
namespace {

struct StandardRate {
  uint32_t baud;
  speed_t constant;
};

constexpr StandardRate kRates[] = {
    {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
    {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

}  // namespace

bool SetLineSpeed(int fd, uint32_t baud) {
  termios2 tio{};
  if (::ioctl(fd, TCGETS2, &tio) != 0) return false;
  tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
  speed_t constant = BOTHER;
  for (const StandardRate& rate : kRates) {
    if (rate.baud == baud) constant = rate.constant;
  }
  tio.c_cflag |= constant | (constant << IBSHIFT);
  tio.c_ispeed = baud;
  tio.c_ospeed = baud;
  return ::ioctl(fd, TCSETS2, &tio) == 0;
}

uint32_t GetLineSpeed(int fd) {
  termios2 tio{};
  if (::ioctl(fd, TCGETS2, &tio) != 0) return 0;
  return tio.c_ospeed;
}

}  // namespace telvane
