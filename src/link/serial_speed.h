// Setting a line's speed in baud, standard or not (28800 has no termios
// constant and goes through the arbitrary-rate interface). Kept apart because
// the arbitrary-rate interface cannot be declared beside <termios.h>.
#ifndef TELVANE_LINK_SERIAL_SPEED_H_
#define TELVANE_LINK_SERIAL_SPEED_H_

#include <cstdint>

namespace telvane {

// Sets input and output speed of the open terminal `fd`.
bool SetLineSpeed(int fd, uint32_t baud);
// The output speed the terminal is set to, in baud (0 when unknown).
uint32_t GetLineSpeed(int fd);

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_SPEED_H_
