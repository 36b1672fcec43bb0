// The far end of a pseudo-terminal, played by the test itself: the program
// opens the slave as its serial port, the test reads what the program wrote
// and answers from a script running on a thread of its own.
#ifndef TELVANE_TESTS_SUPPORT_PTY_PEER_H_
#define TELVANE_TESTS_SUPPORT_PTY_PEER_H_

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace telvane::testing {

class PtyPeer {
 public:
  PtyPeer();  // creates the pseudo-terminal (raw); check ok()
  ~PtyPeer();
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  bool ok() const { return master_ >= 0; }
  // The device the program opens.
  const std::string& device() const { return slave_path_; }

  // Reads exactly `count` bytes, each within `timeout_ms`; fewer on a time-out.
  std::vector<uint8_t> Read(size_t count, int timeout_ms = 3000);
  void Write(const std::vector<uint8_t>& bytes);

  // Runs `script` on a thread; Join waits for it. The destructor joins too.
  void Run(std::function<void(PtyPeer&)> script);
  void Join();

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slave_path_;
  std::thread thread_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_PTY_PEER_H_
