// What the search's initial transfer brought from the instrument, kept in the
// link for the pages that show it once the window is up.
#ifndef TELVANE_LINK_INITIAL_DATA_H_
#define TELVANE_LINK_INITIAL_DATA_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace telvane {

// Kind 4: the planned-measurement database counters.
struct Kind4Counters {
  uint8_t maximum = 0;  // data byte 0
  uint8_t current = 0;  // data byte 1
  uint8_t third = 0;    // data byte 2, kept and not shown
};

// Kind 6: the full-family database header and its tables of names.
struct Kind6Database {
  static constexpr size_t kHeaderSize = 48;
  static constexpr size_t kCableEntrySize = 25;
  static constexpr size_t kReflectogramEntrySize = 65;
  using CableEntry = std::array<uint8_t, kCableEntrySize>;
  using ReflectogramEntry = std::array<uint8_t, kReflectogramEntrySize>;

  std::array<uint8_t, kHeaderSize> header{};
  // Slot n holds the entry numbered n; as many slots as the header announces.
  std::vector<CableEntry> cables;
  std::vector<ReflectogramEntry> reflectograms;

  uint8_t current_cables() const { return header[20]; }
  uint8_t maximum_cables() const { return header[21]; }
  uint16_t current_reflectograms() const;
  // The zero-terminated name at the start of cable entry i, as raw CP1251
  // bytes (at most 20 of them, the room of a cable record's name field).
  std::string CableName(size_t i) const;
};

// Kind 9: the database parameters of the cable database memory plan.
struct Kind9Parameters {
  uint8_t chip_type = 0;
  // As the instrument keeps it: the shown maximum plus the cable offset.
  uint16_t maximum_cables = 0;
  uint16_t current_cables = 0;
  uint8_t cable_types = 0;
  uint16_t maximum_pairs = 0;
  uint16_t current_pairs = 0;
  uint16_t working_cable = 0;
  uint8_t maximum_sections = 0;
  // 16 bits on the wire; kept wider because the memory plan computes it so.
  uint32_t first_free_byte = 0;
  // From the chip type: 1 -> 2048, 2 -> 32768, anything else 0.
  uint32_t capacity = 0;

  static constexpr size_t kWireSize = 15;
  // Decodes the 15 data bytes (16-bit values most significant byte first).
  static Kind9Parameters FromWire(const uint8_t* data);
  // The same 15 bytes for writing back; the first free byte goes as its low
  // 16 bits (a chip of at most 32768 bytes never needs more).
  std::array<uint8_t, kWireSize> ToWire() const;
};

struct InitialData {
  std::optional<Kind4Counters> kind4;
  std::optional<Kind6Database> kind6;
  // Kind 7: the 6-byte compact database header.
  std::optional<std::array<uint8_t, 6>> kind7_header;
  std::optional<Kind9Parameters> kind9;
  // The text-protocol instrument: its whole reply as received (at most
  // 139119 bytes), the planned-measurement records parsed from it (26 bytes
  // each: two bytes, six little-endian floats) and the port that answered.
  std::vector<uint8_t> text_reply;
  std::vector<std::array<uint8_t, 26>> text_records;
  std::string text_port;

  void Clear() { *this = InitialData{}; }
};

}  // namespace telvane

#endif  // TELVANE_LINK_INITIAL_DATA_H_
