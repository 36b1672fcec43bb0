// The one descriptor of the connected instrument and the kinds of link.
#ifndef TELVANE_LINK_INSTRUMENT_INFO_H_
#define TELVANE_LINK_INSTRUMENT_INFO_H_

#include <array>
#include <cstdint>
#include <string>

namespace telvane {

// The first 7 bytes of every frame in both directions: kind, then the 6
// serial-number bytes.
using Address = std::array<uint8_t, 7>;

// Which link carries the session.
enum class LinkKind { kSerial, kIrda };

// Search outcome kept in the descriptor.
enum class SearchStatus : uint8_t { kEnded = 0, kCancelled = 1, kSyncFailed = 2 };

inline constexpr uint8_t kNoInstrument = 0;
inline constexpr uint8_t kTextInstrument = 255;

struct InstrumentInfo {
  uint8_t kind = kNoInstrument;
  // 6 bytes as received, then a zero byte.
  std::array<uint8_t, 7> serial{};
  // UTF-8; from the catalogue or from the IrDA device list.
  std::string name;
  SearchStatus status = SearchStatus::kEnded;
  // Set once an instrument has been found and served at start-up.
  bool session = false;

  Address address() const {
    return {kind, serial[0], serial[1], serial[2], serial[3], serial[4], serial[5]};
  }
  // The serial number as text (the received bytes up to the first zero, CP1251).
  std::string SerialText() const;
  void SetSerial(const uint8_t* six_bytes);
  void ClearSerial() { serial.fill(0); }
  // Clears kind, serial number and name; status and session flag stay.
  void ClearIdentity() {
    kind = kNoInstrument;
    ClearSerial();
    name.clear();
  }
  void Clear() { *this = InstrumentInfo{}; }
};

// A binary-protocol instrument is connected (the end button is enabled).
inline bool IsBinaryInstrument(uint8_t kind) {
  return kind != kNoInstrument && kind != kTextInstrument;
}

}  // namespace telvane

#endif  // TELVANE_LINK_INSTRUMENT_INFO_H_
