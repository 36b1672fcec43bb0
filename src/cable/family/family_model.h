// The cable database of one family of reflectometers, shared by that family's
// pages of one window (information, cables, reflectograms, types, planned
// measurements): the information record, one wire record per cable (cable
// block, name and slot statuses) and the 20 reflectogram records of every
// cable. It moves them with the family's commands (family_layout.h); every
// count and index that comes from the instrument or a caller is checked
// against the arrays before use, and a failed transfer leaves the data held
// before it untouched.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_MODEL_H_
#define TELVANE_CABLE_FAMILY_FAMILY_MODEL_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cable/family/family_info.h"
#include "cable/family/family_layout.h"
#include "page/instrument_page.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

// Slot statuses of a cable entry.
inline constexpr uint8_t kSlotValid = 0;
inline constexpr uint8_t kSlotEmpty = 255;

// The reflectogram number record of the reflectogram transfers: the slot
// (0 to 19), then the cable index, u16 little-endian.
std::array<uint8_t, 3> ReflectogramNumber(int cable, int slot);
// The cable number record of the one-cable reading: the cable index, u16
// little-endian, then a zero byte.
std::array<uint8_t, 3> CableNumber(int cable);

class FamilyModel {
 public:
  explicit FamilyModel(const FamilyLayout& layout);

  const FamilyLayout& layout() const { return layout_; }
  const std::optional<FamilyInfo>& info() const { return info_; }
  // The firmware version in thousandths (8.025 is 8025); 0 before a reading.
  int firmware() const;

  int cable_count() const { return static_cast<int>(cables_.size()); }
  bool HasCable(int cable) const { return cable >= 0 && cable < cable_count(); }
  // The cable's wire record; empty for an index beyond the database.
  std::span<const uint8_t> record(int cable) const;
  std::span<uint8_t> mutable_record(int cable);
  std::string name(int cable) const;
  // Stores `utf8` (cut to the field) as the cable's name; false for an index
  // beyond the database.
  bool SetName(int cable, std::string_view utf8);
  // The cable block in its trace-file form (families with reflectograms: the
  // compact form for kind 10, the extended for 11, 12 and 16).
  CableBlock block(int cable) const;
  bool SetBlock(int cable, const CableBlock& block);

  // Slot status; empty for a slot or cable beyond the database or a family
  // without reflectograms.
  uint8_t status(int cable, int slot) const;
  bool SetStatus(int cable, int slot, uint8_t status);
  // nullptr for a slot or cable beyond the database.
  const ReflectogramRecord* reflectogram(int cable, int slot) const;
  ReflectogramRecord* mutable_reflectogram(int cable, int slot);
  // Bytes of a reflectogram on the wire: 173 for the compact form, else the
  // used length of the extended record for the firmware (233, 201 or 197).
  size_t ReflectogramLength() const;

  // Takes a database as the instrument sends it: `info`, whose counts must be
  // valid, and exactly info.cables cable records in `records`. Returns false,
  // changing nothing, when they do not fit.
  bool Load(const FamilyInfo& info, std::span<const uint8_t> records);

  using TypeRecord = std::array<uint8_t, kFamilyTypeSize>;
  const std::vector<TypeRecord>& types() const { return types_; }
  std::string type_name(int type) const;
  // Value 0, 1 or 2 of a type (section offsets 9, 13 and 17); 0 beyond the list.
  float type_value(int type, int value) const;

  // --- Transfers (each reports its own failures through the screen) -------
  // The information record, then the cable records it announces. A count
  // beyond the limits is refused ("Неверное количество кабелей") and nothing
  // more is read.
  bool Read(PageContext& context);
  // Every cable record in one transaction.
  bool WriteAll(PageContext& context);
  // One cable record.
  bool WriteOne(PageContext& context, int cable);
  // The instrument's record of one cable, by its index, in place of the one
  // held (its reflectograms stay). Nothing on the wire for an index beyond
  // the database or a family without the command.
  bool ReceiveOne(PageContext& context, int cable);
  // The reflectogram of (cable, slot) into its record; its status becomes
  // valid. Nothing goes on the wire for an index beyond the database.
  bool ReceiveReflectogram(PageContext& context, int cable, int slot);
  bool SendReflectogram(PageContext& context, int cable, int slot);

  // The cable-type records, as many as the information record announces (at
  // most kFamilyTypeLimit).
  bool ReadTypes(PageContext& context);

  // Forgets everything read (the end of a session).
  void Reset();

  // Every page of the model redraws when one changes it.
  void AddListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
  void Notify();

 private:
  struct Cable {
    std::vector<uint8_t> record;
    std::vector<ReflectogramRecord> reflectograms;
  };
  Cable MakeCable(std::span<const uint8_t> record) const;
  bool SlotValid(int cable, int slot) const;

  const FamilyLayout& layout_;
  std::optional<FamilyInfo> info_;
  std::vector<Cable> cables_;
  std::vector<TypeRecord> types_;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_MODEL_H_
