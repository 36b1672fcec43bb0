// A byte channel to the instrument: one byte at a time, with the queue sizes,
// purge, event mask and read time-out each transfer sets. The session serial
// port implements it through SerialChannel; tests use scripted channels.
#ifndef TELVANE_LINK_BYTE_CHANNEL_H_
#define TELVANE_LINK_BYTE_CHANNEL_H_

#include <cstddef>
#include <cstdint>

namespace telvane {

class ByteChannel {
 public:
  enum class Read { kByte, kTimeout, kError };

  virtual ~ByteChannel() = default;

  // Input and output queue sizes.
  virtual bool SetQueues(size_t input, size_t output) = 0;
  // Discards what is queued in both directions.
  virtual bool Purge() = 0;
  // Discards what is queued in both directions, output included, before a
  // transaction of the exchange operations.
  virtual bool PurgeAll() { return Purge(); }
  // Wakes reads on every received character.
  virtual bool SetEventMask() = 0;
  // A read returns at once when a byte is there, otherwise after at most
  // `milliseconds` with no byte.
  virtual bool SetReadTimeout(int milliseconds) = 0;
  // The read time-out constant last set, so that an operation that changes it
  // can put it back; kUnknownTimeout when the channel does not keep it.
  static constexpr int kUnknownTimeout = -1;
  virtual int read_timeout() const { return kUnknownTimeout; }
  virtual bool WriteByte(uint8_t byte) = 0;
  virtual Read ReadByte(uint8_t& byte) = 0;
};

}  // namespace telvane

#endif  // TELVANE_LINK_BYTE_CHANNEL_H_
