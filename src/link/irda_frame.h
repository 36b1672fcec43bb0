// Frame helpers shared by the IrDA search and the IrDA exchange.
#ifndef TELVANE_LINK_IRDA_FRAME_H_
#define TELVANE_LINK_IRDA_FRAME_H_

#include <cstddef>
#include <cstdint>

namespace telvane {

// The 8-bit sum, modulo 256, of `length` bytes.
inline uint8_t FrameSum(const uint8_t* data, size_t length) {
  uint8_t sum = 0;
  for (size_t i = 0; i < length; ++i) sum = static_cast<uint8_t>(sum + data[i]);
  return sum;
}

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_FRAME_H_
