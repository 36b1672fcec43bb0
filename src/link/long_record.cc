#include "link/long_record.h"

#include <algorithm>
#include <array>
#include <new>
#include <thread>
#include <vector>

namespace telvane {
namespace {

constexpr char kCaption[] = "Ошибка";
// The read time-out put back when the channel cannot tell the one it had.
constexpr int kDefaultTimeoutMs = 5000;
constexpr size_t kConfirmLength = 9;
constexpr uint8_t kAccepted = 0xFE;  // the complement of 1

uint8_t Sum(std::span<const uint8_t> bytes) {
  uint8_t sum = 0;
  for (uint8_t byte : bytes) sum = static_cast<uint8_t>(sum + byte);
  return sum;
}

// Puts the channel's read time-out back on every way out.
class RestoreTimeout {
 public:
  explicit RestoreTimeout(ByteChannel& channel)
      : channel_(channel), saved_(channel.read_timeout()) {}
  ~RestoreTimeout() {
    channel_.SetReadTimeout(saved_ == ByteChannel::kUnknownTimeout ? kDefaultTimeoutMs : saved_);
  }
  RestoreTimeout(const RestoreTimeout&) = delete;
  RestoreTimeout& operator=(const RestoreTimeout&) = delete;

 private:
  ByteChannel& channel_;
  int saved_;
};

}  // namespace

bool SendLongRecord(ByteChannel& channel, Screen& screen, const Address& address,
                    std::span<const uint8_t> data, const LongRecordChunks& chunks,
                    const ChunkPause& pause) {
  std::vector<uint8_t> frame;
  try {
    frame.resize(data.size() + address.size() + 1);
  } catch (const std::bad_alloc&) {
    screen.ShowMessage(Icon::kError, kCaption, "Ошибка выделения памяти sendBuffer");
    return false;
  } catch (const std::length_error&) {
    screen.ShowMessage(Icon::kError, kCaption, "Ошибка выделения памяти sendBuffer");
    return false;
  }
  std::copy(address.begin(), address.end(), frame.begin());
  std::copy(data.begin(), data.end(), frame.begin() + address.size());
  frame.back() = Sum(std::span<const uint8_t>(frame).first(frame.size() - 1));

  RestoreTimeout restore(channel);
  if (!channel.SetReadTimeout(kLongRecordTimeoutMs)) {
    screen.ShowMessage(Icon::kError, kCaption, "Ошибка установки таймаутов");
    return false;
  }

  const size_t total = frame.size();
  size_t sent = 0;
  size_t chunk = std::max<size_t>(chunks.first, 1);
  while (sent < total) {
    const size_t end = std::min(total, sent + chunk);
    for (; sent < end; ++sent) {
      if (!channel.WriteByte(frame[sent])) {
        screen.ShowMessage(Icon::kError, kCaption, "Ошибка посылки буфера");
        return false;
      }
    }
    screen.SetProgress(static_cast<int>(sent * 100 / total));
    if (chunks.pause.count() > 0) {
      if (pause) {
        pause(chunks.pause);
      } else {
        std::this_thread::sleep_for(chunks.pause);
      }
    }
    chunk = std::max<size_t>(chunks.next, 1);
  }

  std::array<uint8_t, kConfirmLength> reply{};
  for (uint8_t& byte : reply) {
    switch (channel.ReadByte(byte)) {
      case ByteChannel::Read::kByte:
        continue;
      case ByteChannel::Read::kTimeout:
        screen.ShowMessage(Icon::kError, kCaption, "Таймаут приема подтверждения");
        return false;
      case ByteChannel::Read::kError:
        screen.ShowMessage(Icon::kError, kCaption, "Ошибка приема подтверждения");
        return false;
    }
  }
  if (!std::equal(address.begin(), address.end(), reply.begin())) return false;
  if (reply[8] != Sum(std::span<const uint8_t>(reply).first(8))) return false;
  if (reply[7] != kAccepted) {
    screen.ShowMessage(Icon::kError, kCaption, "Ошибка байта подтверждения");
    return false;
  }
  return true;
}

}  // namespace telvane
