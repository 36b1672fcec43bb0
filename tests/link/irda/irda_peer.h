// Test doubles for the IrDA link: a scripted instrument on a Unix stream
// socket (a device of the emulated stack) and a stack decorator that splits
// arrivals and records the size of every receive and send.
#ifndef TELVANE_TESTS_LINK_IRDA_IRDA_PEER_H_
#define TELVANE_TESTS_LINK_IRDA_IRDA_PEER_H_

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/irda_stack.h"

namespace telvane::testing {

using Bytes = std::vector<uint8_t>;

// The 8-bit sum of the bytes.
uint8_t Sum(const Bytes& bytes);
// `bytes` followed by their sum.
Bytes WithSum(Bytes bytes);
Bytes Join(std::initializer_list<Bytes> parts);

// One device in range: listens on `dir`/`name`, accepts one connection and
// runs its script: reading a number of bytes, or writing bytes. When the
// script is done it keeps reading until the link closes, so that every byte
// the program sent ends up in received().
class IrdaPeer {
 public:
  IrdaPeer(const std::string& dir, const std::string& name);
  ~IrdaPeer();
  IrdaPeer(const IrdaPeer&) = delete;
  IrdaPeer& operator=(const IrdaPeer&) = delete;

  // --- Script (before Start) ---
  IrdaPeer& Read(size_t count);
  IrdaPeer& Write(Bytes bytes);

  void Start();
  // Waits until the program closed the link; returns every byte received.
  Bytes Finish();

 private:
  struct Step {
    size_t read = 0;
    Bytes write;
  };
  void Run();

  std::string path_;
  int listener_ = -1;
  std::vector<Step> steps_;
  std::thread thread_;
  Bytes received_;
};

// Wraps a stack: arrivals are cut into the given sizes (a receive returns no
// more than what is left of the current arrival), and the length asked for by
// every receive and given to every send is recorded.
class SplittingStack : public IrdaStack {
 public:
  struct Log {
    std::mutex mutex;
    std::vector<size_t> receive_requests;
    std::vector<long> receive_results;
    std::vector<size_t> sends;
  };
  SplittingStack(std::unique_ptr<IrdaStack> inner, std::deque<size_t> arrivals,
                 std::shared_ptr<Log> log)
      : inner_(std::move(inner)), arrivals_(std::move(arrivals)), log_(std::move(log)) {}

  bool Startup(uint16_t version, uint16_t& granted) override {
    return inner_->Startup(version, granted);
  }
  void Cleanup() override { inner_->Cleanup(); }
  Socket OpenSocket(int family, int type, int protocol) override {
    return inner_->OpenSocket(family, type, protocol);
  }
  bool EnumerateDevices(Socket socket, uint8_t* buffer, size_t length) override {
    return inner_->EnumerateDevices(socket, buffer, length);
  }
  bool Connect(Socket socket, const IrdaAddress& address) override {
    return inner_->Connect(socket, address);
  }
  long Send(Socket socket, const uint8_t* data, size_t length) override;
  long Receive(Socket socket, uint8_t* data, size_t length) override;
  int Select(Socket socket, WaitMode mode, Wait wait) override {
    return inner_->Select(socket, mode, wait);
  }
  void Close(Socket socket) override { inner_->Close(socket); }
  int LastError() override { return inner_->LastError(); }

 private:
  std::unique_ptr<IrdaStack> inner_;
  std::deque<size_t> arrivals_;
  size_t arrival_left_ = 0;
  std::shared_ptr<Log> log_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_LINK_IRDA_IRDA_PEER_H_
