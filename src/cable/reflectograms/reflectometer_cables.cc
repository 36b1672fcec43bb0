#include "cable/reflectograms/reflectometer_cables.h"

#include "cable/reflectograms/compact_cable_record.h"

namespace telvane {

namespace {

constexpr uint8_t kReadRecordByNumber = 0x54;

}  // namespace

int ReflectometerCableList::Add(const std::string& name) {
  Cable cable{name, {}, CableBlock(form_)};
  cable.status.fill(kSlotEmpty);
  cables_.push_back(std::move(cable));
  return cable_count() - 1;
}

std::string ReflectometerCableList::cable_name(int cable) const {
  return cables_.at(static_cast<size_t>(cable)).name;
}

uint8_t ReflectometerCableList::slot_status(int cable, int slot) const {
  return cables_.at(static_cast<size_t>(cable)).status.at(static_cast<size_t>(slot));
}

void ReflectometerCableList::set_slot_status(int cable, int slot, uint8_t status) {
  cables_.at(static_cast<size_t>(cable)).status.at(static_cast<size_t>(slot)) = status;
}

CableBlock& ReflectometerCableList::cable_block(int cable) {
  return cables_.at(static_cast<size_t>(cable)).block;
}

bool ReflectometerCableList::ReceiveCableParameters(Transactions& transactions,
                                                    const Address& address, int cable) {
  if (form_ != RecordForm::kCompact || cable < 0 || cable >= cable_count() || cable > 255) {
    return false;
  }
  std::array<uint8_t, kCompactCableRecordSize> bytes{};
  const std::array<uint8_t, 3> number{static_cast<uint8_t>(cable), 0, 0};
  if (!transactions.ReceiveNumbered(address, kReadRecordByNumber, number, bytes)) return false;
  CompactCableRecord343 record;
  if (!ParseCompactCableRecord(bytes, record)) return false;
  Cable& target = cables_[static_cast<size_t>(cable)];
  target.block = record.block;
  target.name = record.name;
  target.status = record.status;
  return true;
}

}  // namespace telvane
