// The cable block that every reflectogram file carries: the parameters of the
// cable the reflectogram belongs to.
//
// Compact form (343 bytes): u16 at 0, section count (u8) at 2, then 20
// sections of 17 bytes from offset 3.
// Extended form (435 bytes): u16 at 0, pair count (u16) at 2, section count
// (u8) at 4, temperature (float) at 5, charge time (u8) at 9, then 20 sections
// of 21 bytes from offset 15.
// A section: cable type index (u8), length (float), length in trace points
// (float), two more floats (the fourth, of the first section, is the cable's
// velocity factor k), and in the extended form four more bytes.
//
// Bytes without a name here are kept unchanged.
#ifndef TELVANE_STORAGE_TRACE_CABLE_BLOCK_H_
#define TELVANE_STORAGE_TRACE_CABLE_BLOCK_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "storage/trace/reflectogram_record.h"

namespace telvane {

struct CableBlockSection {
  uint8_t type_index = 0;
  float length = 0;            // first float
  float length_in_points = 0;  // second float
  float third = 0;             // third float, carried through
  float fourth = 0;            // fourth float (k in the first section)
};

class CableBlock {
 public:
  static constexpr size_t kCompactSize = 343;
  static constexpr size_t kExtendedSize = 435;
  static constexpr int kMaxSections = 20;

  explicit CableBlock(RecordForm form = RecordForm::kCompact);

  RecordForm form() const { return form_; }
  size_t size() const;
  std::span<uint8_t> bytes() { return {bytes_.data(), size()}; }
  std::span<const uint8_t> bytes() const { return {bytes_.data(), size()}; }
  void Clear() { bytes_.fill(0); }

  uint16_t value0() const;
  void set_value0(uint16_t value);
  // Extended form only (0 in the compact form).
  uint16_t pair_count() const;
  void set_pair_count(uint16_t count);
  // The stored byte; may exceed 20 in a file that was not written by us.
  uint8_t section_count() const;
  void set_section_count(uint8_t count);
  float temperature() const;  // extended only
  void set_temperature(float value);
  uint8_t charge_time() const;  // extended only
  void set_charge_time(uint8_t value);

  // Section 0 to 19; other indices give an empty section and are not stored.
  CableBlockSection section(int index) const;
  void set_section(int index, const CableBlockSection& section);

  // The fourth float of the first section.
  float velocity_factor() const { return section(0).fourth; }
  void set_velocity_factor(float k);

  bool operator==(const CableBlock& other) const {
    return form_ == other.form_ && bytes_ == other.bytes_;
  }

 private:
  size_t section_offset(int index) const;

  RecordForm form_;
  std::array<uint8_t, kExtendedSize> bytes_{};
};

// A compact block from an extended one: the u16 at 0, the section count and
// per section the byte and the four floats; every other byte zero.
CableBlock ToCompact(const CableBlock& extended);
// Fills `extended` from a compact block: the same fields; its other bytes stay.
void FillExtended(const CableBlock& compact, CableBlock& extended);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_CABLE_BLOCK_H_
