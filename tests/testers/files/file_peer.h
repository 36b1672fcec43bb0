// The frames of the file service as the instrument (kind 18 or 17, serial
// "123456") sees them on the serial port, built from the frame layout and the
// record layouts alone, for the scripted peer of the file pages' tests.
#ifndef TELVANE_TESTS_TESTERS_FILES_FILE_PEER_H_
#define TELVANE_TESTS_TESTERS_FILES_FILE_PEER_H_

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "support/scripted_peer.h"

namespace telvane::testing {

class FilePeer {
 public:
  FilePeer(ScriptedPeer& peer, uint8_t kind) : peer_(peer), address_(PeerAddress(kind, "123456")) {}

  PeerBytes Command(uint8_t code) const { return PeerFrame({address_, {code}}); }
  PeerBytes Confirm(uint8_t code) const {
    return PeerFrame({address_, {static_cast<uint8_t>(~code)}});
  }
  PeerBytes Record(const PeerBytes& data) const { return PeerFrame({address_, data}); }
  // The program's answer to a received record: 1; the instrument's to a sent
  // one: 0xFE.
  PeerBytes ProgramAck() const { return PeerFrame({address_, {0x01}}); }
  PeerBytes InstrumentAck() const { return PeerFrame({address_, {0xFE}}); }

  // The command, its confirmation and one record from the instrument.
  void Receive(uint8_t code, const PeerBytes& data) {
    peer_.Expect(Command(code), PeerJoin({Confirm(code), Record(data)}));
    peer_.Expect(ProgramAck());
  }
  // The command, its confirmation and one record from the program.
  void Send(uint8_t code, const PeerBytes& data) {
    peer_.Expect(Command(code), Confirm(code));
    peer_.Expect(Record(data), InstrumentAck());
  }
  // 0x0D and the entries, then the end entry.
  void List(const std::vector<std::pair<std::string, uint32_t>>& entries) {
    PeerBytes first = entries.empty() ? Entry("", 0) : Entry(entries[0].first, entries[0].second);
    peer_.Expect(Command(0x0D), PeerJoin({Confirm(0x0D), Record(first)}));
    for (size_t i = 1; i <= entries.size(); ++i) {
      const PeerBytes next =
          i < entries.size() ? Entry(entries[i].first, entries[i].second) : Entry("", 0);
      peer_.Expect(ProgramAck(), Record(next));
    }
    peer_.Expect(ProgramAck());  // the end entry is confirmed too
  }
  // 0x12 with a path (CP1251 bytes) and a size.
  void Select(const std::string& cp1251_path, uint32_t size) {
    Send(0x12, Entry(cp1251_path, size));
  }

  // 255 bytes of CP1251 path, zero-padded, then the size low byte first.
  static PeerBytes Entry(const std::string& cp1251_path, uint32_t size) {
    PeerBytes bytes(259, 0);
    std::memcpy(bytes.data(), cp1251_path.data(), std::min<size_t>(cp1251_path.size(), 255));
    for (int i = 0; i < 4; ++i) bytes[255 + i] = static_cast<uint8_t>(size >> (8 * i));
    return bytes;
  }
  static PeerBytes Folder(const std::string& path) {
    PeerBytes bytes(259, 0);
    std::memcpy(bytes.data(), path.data(), path.size());
    return bytes;
  }
  static PeerBytes Le32(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  }

 private:
  ScriptedPeer& peer_;
  PeerBytes address_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_TESTERS_FILES_FILE_PEER_H_
