// The frame-level interface that every command handler of the simulator uses.
//
// The instrument's address is its kind and 6 serial-number bytes; every frame
// it sends begins with it and ends with the 8-bit sum of all bytes before. A
// handler runs after the framework received the command frame, checked it and
// confirmed it; it then moves the records or bytes that its command implies.
// Faults from the command line (wrong sums, foreign serial numbers, slot
// numbers out of range, silence) are applied here, so handlers get them for
// free.
#ifndef TELVANE_SIM_SESSION_H_
#define TELVANE_SIM_SESSION_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "channel.h"
#include "config.h"

namespace sim {

using Address = std::array<uint8_t, 7>;

// 8-bit sum modulo 256.
uint8_t Sum(std::span<const uint8_t> bytes);

// Per-byte wait of the frame reads, well above the program's 5 s.
inline constexpr int kFrameWaitMs = 6000;
// Wait for the first byte of the next record of a series, and between the
// bytes of one frame.
inline constexpr int kSeriesWaitMs = 3000;
inline constexpr int kInFrameWaitMs = 1000;

class Session {
 public:
  Session(Channel& channel, const Config& config);

  Channel& channel() { return channel_; }
  const Config& config() const { return config_; }
  // The instrument's own address.
  Address address() const;
  // The address it puts on frames it sends after the synchronisation (another
  // serial number under the foreign-serial faults).
  Address reply_address(bool record) const;

  // --- Bytes ---------------------------------------------------------------
  // One byte within timeout_ms; false on a time-out or when stopped.
  bool ReadByte(uint8_t& byte, int timeout_ms = kFrameWaitMs);
  // `length` bytes, each within timeout_ms; traced as one frame.
  bool ReadBytes(uint8_t* out, size_t length, int timeout_ms = kFrameWaitMs);
  // Sends the bytes (traced as one frame).
  void Write(std::span<const uint8_t> bytes);

  // --- Frames ----------------------------------------------------------------
  // address, byte, sum.
  void SendConfirmation(uint8_t byte);
  // Sends an addressed record (address, the number byte when given, data,
  // sum) and reads the 9-byte confirmation; a 0 confirmation sends it again,
  // up to `max_sends` sends in all. Returns the last confirmation byte, or
  // nullopt when none came.
  std::optional<uint8_t> SendRecord(std::span<const uint8_t> data,
                                    std::optional<uint8_t> number = std::nullopt,
                                    int max_sends = 10);
  // Gives the last confirmation SendRecord read back to the channel when it
  // was, or ended in, the start of a frame of this instrument: the program
  // went on to its next command and its confirmation was lost (whole or in
  // part), so the command loop serves that command. True when it did.
  bool GiveBackCommand();
  // Whether the last confirmation SendRecord read had a correct sum (a
  // confirmation cut short by the program's purge can carry the right byte
  // and end in the first byte of the next command).
  bool last_reply_sum_ok() const;
  // Receives an addressed record of `length` data bytes. A record whose sum
  // and address check out is confirmed with confirm(data); otherwise with 0,
  // and it is received again (up to max_attempts). nullopt on a time-out.
  std::optional<std::vector<uint8_t>> ReceiveRecord(
      size_t length, const std::function<uint8_t(const std::vector<uint8_t>&)>& confirm,
      int max_attempts = 10);
  // One record of a series the program sends (address, `number`, `length`
  // data bytes, sum), confirmed with the complement of its number; returns the
  // number byte and the data. Without `number` any number is taken (a single
  // record). The meter does not know how many records the program sends, so
  // the series ends (nullopt) when nothing comes within `first_byte_ms`, or
  // when what comes is not this record: a command frame, a probe, a record cut
  // short. Bytes that were not this record are given back to the channel for
  // the command loop. A record with a wrong sum is answered with 0 and awaited
  // again.
  std::optional<std::vector<uint8_t>> ReceiveSeriesRecord(size_t length,
                                                          std::optional<uint8_t> number,
                                                          int first_byte_ms = kSeriesWaitMs);
  // A raw block: the bytes, then one confirmation byte read back.
  std::optional<uint8_t> SendBlock(std::span<const uint8_t> data);
  // A raw block of `length` bytes, answered with `confirm`.
  std::optional<std::vector<uint8_t>> ReceiveBlock(size_t length, uint8_t confirm);

  // Records sent since the synchronisation.
  long records_sent() const { return records_sent_; }

 private:
  Channel& channel_;
  const Config& config_;
  long records_sent_ = 0;
  std::array<uint8_t, 9> last_reply_{};
};

}  // namespace sim

#endif  // TELVANE_SIM_SESSION_H_
