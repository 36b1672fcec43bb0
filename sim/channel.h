// The simulated instrument's side of a link: byte reads with a time-out and
// writes, with the pacing, tracing and silence that the command line asks for.
// A transport (the pseudo-terminal here, a socket elsewhere) implements the
// two raw calls; everything above works on a Channel.
#ifndef TELVANE_SIM_CHANNEL_H_
#define TELVANE_SIM_CHANNEL_H_

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sim {

// Set by SIGTERM/SIGINT; every wait returns when it is set.
extern volatile std::sig_atomic_t g_stop;

enum class Got { kByte, kTimeout, kClosed };

class Channel {
 public:
  virtual ~Channel() = default;

  // Line rate to send at (bytes of 10 bits); 0 sends as fast as possible.
  void set_pace(long baud) { pace_ = baud; }
  // Log every frame to stderr in hex.
  void set_trace(bool on) { trace_ = on; }
  bool trace() const { return trace_; }
  // Stop sending for good after this many bytes (-1: never).
  void set_silence_after(long bytes) { silence_after_ = bytes; }

  // One byte within `timeout_ms` (negative: wait until stopped).
  Got ReadByte(uint8_t& byte, int timeout_ms);
  // Sends the bytes (paced, and dropped once the silence point is passed).
  void Write(std::span<const uint8_t> bytes);
  // Drops whatever is waiting to be read.
  void Drain();
  // Puts bytes already read back in front of what is waiting, so that the
  // next reads return them again (a frame that turned out to be someone
  // else's).
  void Unread(std::span<const uint8_t> bytes);

  // Writes one trace line "sim: <dir> hex..." when tracing.
  void Trace(const char* direction, std::span<const uint8_t> bytes) const;

 protected:
  // Waits up to timeout_ms for bytes and appends what is there to `out`;
  // returns false when the peer is gone for good.
  virtual bool RawRead(std::vector<uint8_t>& out, int timeout_ms) = 0;
  // Sends all bytes; false when the peer is gone.
  virtual bool RawWrite(const uint8_t* data, size_t length) = 0;

 private:
  long pace_ = 0;
  bool trace_ = false;
  long silence_after_ = -1;
  long written_ = 0;
  double next_due_ = 0;  // seconds on the monotonic clock
  std::vector<uint8_t> queue_;
  size_t queue_pos_ = 0;
};

// The master side of a pseudo-terminal whose slave is the instrument's port.
class PtyChannel : public Channel {
 public:
  // Creates the pseudo-terminal (raw, kept open on both sides); false on
  // failure.
  bool Create();
  ~PtyChannel() override;
  const std::string& slave_path() const { return slave_path_; }

 protected:
  bool RawRead(std::vector<uint8_t>& out, int timeout_ms) override;
  bool RawWrite(const uint8_t* data, size_t length) override;

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slave_path_;
};

}  // namespace sim

#endif  // TELVANE_SIM_CHANNEL_H_
