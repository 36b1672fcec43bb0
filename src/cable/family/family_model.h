// The cable database of one family of reflectometers, shared by that family's
// pages of one window (information, cables, reflectograms, types, planned
// measurements): the information record, one wire record per cable (cable
// block, name and slot statuses) and the cable types. The reflectogram pages
// keep the reflectograms themselves and see the cables through
// ReflectometerCables. It moves them with the family's commands (family_layout.h); every
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
#include "cable/reflectograms/reflectometer_cables.h"
#include "page/instrument_page.h"
#include "storage/trace/cable_block.h"

namespace telvane {

// The cable number record of the one-cable reading: the cable index, u16
// little-endian, then a zero byte.
std::array<uint8_t, 3> CableNumber(int cable);

// The reflectogram pages see the model through ReflectometerCables.
class FamilyModel : public ReflectometerCables {
 public:
  explicit FamilyModel(const FamilyLayout& layout);

  const FamilyLayout& layout() const { return layout_; }
  const std::optional<FamilyInfo>& info() const { return info_; }
  // The firmware version in thousandths (8.025 is 8025); 0 before a reading.
  int firmware() const;

  int cable_count() const override { return static_cast<int>(cables_.size()); }
  bool HasCable(int cable) const { return cable >= 0 && cable < cable_count(); }
  // The cable's wire record; empty for an index beyond the database.
  std::vector<uint8_t> record(int cable) const;
  // The bytes of the cable block (the whole record in the 233-byte family),
  // at the offsets of the wire record; empty beyond the database.
  std::span<uint8_t> block_bytes(int cable);
  std::span<const uint8_t> block_bytes(int cable) const;
  std::string name(int cable) const;
  // Stores `utf8` (cut to the field) as the cable's name; false for an index
  // beyond the database.
  bool SetName(int cable, std::string_view utf8);
  // The cable block in its trace-file form (families with reflectograms: the
  // compact form for kind 10, the extended for 11, 12 and 16); an empty block
  // for an index beyond the database.
  const CableBlock& block(int cable) const;

  // Slot status; empty for a slot or cable beyond the database or a family
  // without reflectograms.
  uint8_t status(int cable, int slot) const;
  bool SetStatus(int cable, int slot, uint8_t status);

  // Replaces a cable's whole wire record (its name and statuses included);
  // false, changing nothing, for an index beyond the database or a record of
  // another size.
  bool SetRecord(int cable, std::span<const uint8_t> record);
  // Adds a cable with a wire record of zeros, empty slots and `utf8` as its
  // name at the end of the database; its index, or -1 when the information
  // record leaves no room (no reading yet, or the maximum reached).
  int AddCable(std::string_view utf8);

  // Takes a database as the instrument sends it: `info`, whose counts must be
  // valid, and exactly info.cables cable records in `records`. Returns false,
  // changing nothing, when they do not fit.
  bool Load(const FamilyInfo& info, std::span<const uint8_t> records);

  using TypeRecord = std::array<uint8_t, kFamilyTypeSize>;
  const std::vector<TypeRecord>& types() const { return types_; }
  std::string type_name(int type) const;
  // Value 0, 1 or 2 of a type (section offsets 9, 13 and 17); 0 beyond the list.
  float type_value(int type, int value) const;
  // Puts `record` in place of type `type`; false beyond the list.
  bool SetType(int type, const TypeRecord& record);
  // Takes the type records as the instrument sends them, 31 bytes each:
  // false, changing nothing, for a partial record or more than
  // kFamilyTypeLimit of them.
  bool LoadTypes(std::span<const uint8_t> bytes);

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

  // The cable-type records, as many as the information record announces (at
  // most kFamilyTypeLimit).
  bool ReadTypes(PageContext& context);
  // Every type in one transaction (the family's type-writing command), each
  // as its index and its 31 bytes. Nothing on the wire without types or for a
  // family without the command.
  bool WriteTypes(PageContext& context);
  // One type, as its index and its 31 bytes, in a transaction of its own.
  bool WriteType(PageContext& context, int type);

  // --- ReflectometerCables --------------------------------------------------------
  std::string cable_name(int cable) const override { return name(cable); }
  uint8_t slot_status(int cable, int slot) const override { return status(cable, slot); }
  void set_slot_status(int cable, int slot, uint8_t value) override {
    SetStatus(cable, slot, value);
  }
  // An index beyond the database gives a scratch block that no cable keeps.
  CableBlock& cable_block(int cable) override;
  // The one-cable reading of ReceiveOne.
  bool ReceiveCableParameters(Transactions& transactions, const Address& address,
                              int cable) override;

  // Forgets everything read (the end of a session).
  void Reset();

  // Every page of the model redraws when one changes it.
  void AddListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
  void Notify();

 private:
  // A cable record kept as its block (families with reflectograms) and the
  // bytes after it (the name and the statuses; the whole record of the
  // 233-byte family).
  struct Cable {
    CableBlock block;
    std::vector<uint8_t> rest;
  };
  Cable MakeCable(std::span<const uint8_t> record) const;
  bool SlotValid(int cable, int slot) const;
  RecordForm BlockForm() const;
  // Bytes of the record kept in the block: 343, 435, or 0 (233-byte family).
  size_t BlockSize() const;
  // The offset in `rest` of a record offset beyond the block.
  size_t RestOffset(size_t record_offset) const { return record_offset - BlockSize(); }

  const FamilyLayout& layout_;
  std::optional<FamilyInfo> info_;
  std::vector<Cable> cables_;
  std::vector<TypeRecord> types_;
  CableBlock scratch_block_;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_MODEL_H_
