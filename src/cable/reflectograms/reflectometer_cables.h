// What the reflectogram pages need of their family's cable database: the
// cables, each with its name, the status of its 20 reflectogram slots and its
// cable block. The family model that reads the database from the instrument
// implements it and is shared by the family's pages; the reflectogram page
// reads names and blocks, and sets a slot's status after it filled the slot.
//
// Slot status: 255 an empty slot, 0 a valid reflectogram, anything else
// invalid data.
#ifndef TELVANE_CABLE_REFLECTOGRAMS_REFLECTOMETER_CABLES_H_
#define TELVANE_CABLE_REFLECTOGRAMS_REFLECTOMETER_CABLES_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/instrument_info.h"
#include "link/transactions.h"
#include "storage/trace/cable_block.h"

namespace telvane {

inline constexpr int kReflectogramSlots = 20;
inline constexpr uint8_t kSlotEmpty = 255;
inline constexpr uint8_t kSlotValid = 0;

class ReflectometerCables {
 public:
  virtual ~ReflectometerCables() = default;

  virtual int cable_count() const = 0;
  // UTF-8.
  virtual std::string cable_name(int cable) const = 0;
  // Slot 0 to 19 of a cable below cable_count().
  virtual uint8_t slot_status(int cable, int slot) const = 0;
  virtual void set_slot_status(int cable, int slot, uint8_t status) = 0;
  // The block in the family's form (compact for the 343-byte family,
  // extended for the 435-byte one).
  virtual CableBlock& cable_block(int cable) = 0;
  // Receives the parameters of `cable` from the instrument into its block
  // and entry; false after a shown failure.
  virtual bool ReceiveCableParameters(Transactions& transactions, const Address& address,
                                      int cable) = 0;
};

// A cable list held in memory: what a family model hands the page, and what
// tests fill directly. ReceiveCableParameters reads the 380-byte cable record
// of the 343-byte family (block, then the 17-byte name and 20 statuses) with
// code 0x54 and the record number {cable, 0, 0}.
class ReflectometerCableList : public ReflectometerCables {
 public:
  struct Cable {
    std::string name;
    std::array<uint8_t, kReflectogramSlots> status;
    CableBlock block;
  };

  explicit ReflectometerCableList(RecordForm form) : form_(form) {}

  // A cable with every slot empty; returns its index.
  int Add(const std::string& name);
  void Clear() { cables_.clear(); }
  Cable& cable(int index) { return cables_.at(static_cast<size_t>(index)); }

  int cable_count() const override { return static_cast<int>(cables_.size()); }
  std::string cable_name(int cable) const override;
  uint8_t slot_status(int cable, int slot) const override;
  void set_slot_status(int cable, int slot, uint8_t status) override;
  CableBlock& cable_block(int cable) override;
  bool ReceiveCableParameters(Transactions& transactions, const Address& address,
                              int cable) override;

 private:
  RecordForm form_;
  std::vector<Cable> cables_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_REFLECTOGRAMS_REFLECTOMETER_CABLES_H_
