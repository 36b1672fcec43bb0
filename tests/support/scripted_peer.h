// An instrument played in-process behind a ByteChannel, for page tests that
// need no simulator process. The script is a list of exchanges: a request the
// program must write (golden bytes) and the reply the instrument gives once the
// whole request was written. A reply is readable only after its request, so a
// purge before a command loses nothing; reading with nothing queued times out
// at once. The first byte that differs from the script stops the peer: every
// later read times out and mismatch() tells where it happened.
#ifndef TELVANE_TESTS_SUPPORT_SCRIPTED_PEER_H_
#define TELVANE_TESTS_SUPPORT_SCRIPTED_PEER_H_

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "link/byte_channel.h"

namespace telvane::testing {

using PeerBytes = std::vector<uint8_t>;

// The instrument address of `kind` with a six-character serial number.
PeerBytes PeerAddress(uint8_t kind, const char* serial);
// The parts joined, followed by their 8-bit sum: one frame of the exchange.
PeerBytes PeerFrame(std::initializer_list<PeerBytes> parts);
// The parts joined, without a sum.
PeerBytes PeerJoin(std::initializer_list<PeerBytes> parts);

class ScriptedPeer : public ByteChannel {
 public:
  // Once the program wrote `request`, `reply` becomes readable.
  ScriptedPeer& Expect(PeerBytes request, PeerBytes reply = {});

  // Every request of the script was written, and nothing else.
  bool done() const { return mismatch_.empty() && next_ == script_.size(); }
  // Where the program left the script; empty while it follows it.
  const std::string& mismatch() const { return mismatch_; }
  // Every byte the program wrote, in order.
  const PeerBytes& written() const { return written_; }
  // Reply bytes not read by the program.
  size_t unread() const { return input_.size(); }
  // The read time-outs the program set, in order.
  const std::vector<int>& timeouts() const { return timeouts_; }

  bool SetQueues(size_t input, size_t output) override;
  bool Purge() override;
  bool SetEventMask() override { return true; }
  bool SetReadTimeout(int milliseconds) override;
  int read_timeout() const override { return timeouts_.empty() ? 0 : timeouts_.back(); }
  bool WriteByte(uint8_t byte) override;
  Read ReadByte(uint8_t& byte) override;

 private:
  struct Exchange {
    PeerBytes request;
    PeerBytes reply;
  };

  std::vector<Exchange> script_;
  size_t next_ = 0;     // the exchange whose request is being written
  size_t matched_ = 0;  // bytes of that request written so far
  std::deque<uint8_t> input_;
  PeerBytes written_;
  std::vector<int> timeouts_;
  std::string mismatch_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_SCRIPTED_PEER_H_
