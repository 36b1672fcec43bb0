// A serial port for transfer tests: what the instrument "sends" is queued in
// advance, what the program writes is collected, and every setting is logged.
#ifndef TELVANE_TESTS_CABLE_SCRIPTED_PORT_H_
#define TELVANE_TESTS_CABLE_SCRIPTED_PORT_H_

#include <deque>
#include <initializer_list>
#include <vector>

#include "link/byte_channel.h"

namespace telvane::testing {

using Bytes = std::vector<uint8_t>;

// `bytes` followed by their 8-bit sum.
inline Bytes Framed(Bytes bytes) {
  unsigned sum = 0;
  for (uint8_t b : bytes) sum += b;
  bytes.push_back(static_cast<uint8_t>(sum));
  return bytes;
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class ScriptedPort : public ByteChannel {
 public:
  void Queue(const Bytes& bytes) { input_.insert(input_.end(), bytes.begin(), bytes.end()); }
  const Bytes& written() const { return written_; }
  const std::vector<int>& timeouts() const { return timeouts_; }
  const std::vector<std::pair<size_t, size_t>>& queues() const { return queues_; }
  size_t unread() const { return input_.size(); }
  void FailWritesAfter(size_t count) { fail_writes_after_ = count; }

  bool SetQueues(size_t input, size_t output) override {
    queues_.emplace_back(input, output);
    return true;
  }
  bool Purge() override { return true; }
  bool SetEventMask() override { return true; }
  bool SetReadTimeout(int milliseconds) override {
    timeouts_.push_back(milliseconds);
    return true;
  }
  bool WriteByte(uint8_t byte) override {
    if (written_.size() >= fail_writes_after_) return false;
    written_.push_back(byte);
    return true;
  }
  Read ReadByte(uint8_t& byte) override {
    if (input_.empty()) return Read::kTimeout;
    byte = input_.front();
    input_.pop_front();
    return Read::kByte;
  }

 private:
  std::deque<uint8_t> input_;
  Bytes written_;
  std::vector<int> timeouts_;
  std::vector<std::pair<size_t, size_t>> queues_;
  size_t fail_writes_after_ = static_cast<size_t>(-1);
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_CABLE_SCRIPTED_PORT_H_
