#include "cable/family/family_model.h"

#include <algorithm>
#include <array>

#include "base/fixed_record.h"
#include "base/values.h"
#include "storage/trace/trace_firmware.h"

namespace telvane {
namespace {

constexpr char kCountRefused[] = "Неверное количество кабелей";
constexpr char kTypeCountRefused[] = "Неверное количество типов кабелей";

void Refuse(PageContext& context, const char* text) {
  context.screen.ShowMessage(Icon::kError, "Ошибка", text);
}

RecordSeries Series(const FamilyLayout& layout, size_t count) {
  RecordSeries series;
  series.record_length = layout.record_size;
  series.count = count;
  series.wait = layout.record_wait;
  return series;
}

}  // namespace

std::array<uint8_t, 3> CableNumber(int cable) {
  return {static_cast<uint8_t>(cable), static_cast<uint8_t>(cable >> 8), 0};
}

FamilyModel::FamilyModel(const FamilyLayout& layout)
    : layout_(layout), scratch_block_(BlockForm()) {}

RecordForm FamilyModel::BlockForm() const {
  return layout_.family == Family::k343 ? RecordForm::kCompact : RecordForm::kExtended;
}

size_t FamilyModel::BlockSize() const { return layout_.has_reflectograms ? layout_.block_size : 0; }

int FamilyModel::firmware() const { return info_ ? FirmwareThousandths(info_->firmware) : 0; }

std::vector<uint8_t> FamilyModel::record(int cable) const {
  if (!HasCable(cable)) return {};
  const Cable& c = cables_[static_cast<size_t>(cable)];
  std::vector<uint8_t> out;
  out.reserve(layout_.record_size);
  if (BlockSize() > 0) out.assign(c.block.bytes().begin(), c.block.bytes().end());
  out.insert(out.end(), c.rest.begin(), c.rest.end());
  return out;
}

std::span<uint8_t> FamilyModel::block_bytes(int cable) {
  if (!HasCable(cable)) return {};
  Cable& c = cables_[static_cast<size_t>(cable)];
  if (BlockSize() > 0) return c.block.bytes();
  return c.rest;
}

std::span<const uint8_t> FamilyModel::block_bytes(int cable) const {
  if (!HasCable(cable)) return {};
  const Cable& c = cables_[static_cast<size_t>(cable)];
  if (BlockSize() > 0) return c.block.bytes();
  return c.rest;
}

std::string FamilyModel::name(int cable) const {
  if (!HasCable(cable)) return {};
  return ReadTextField(
      cables_[static_cast<size_t>(cable)].rest.data() + RestOffset(layout_.name_offset),
      layout_.name_size);
}

bool FamilyModel::SetName(int cable, std::string_view utf8) {
  if (!HasCable(cable)) return false;
  WriteTextField(cables_[static_cast<size_t>(cable)].rest.data() + RestOffset(layout_.name_offset),
                 layout_.name_size, layout_.name_size - 1, utf8);
  return true;
}

const CableBlock& FamilyModel::block(int cable) const {
  if (!HasCable(cable) || BlockSize() == 0) return scratch_block_;
  return cables_[static_cast<size_t>(cable)].block;
}

CableBlock& FamilyModel::cable_block(int cable) {
  if (!HasCable(cable) || BlockSize() == 0) {
    scratch_block_ = CableBlock(BlockForm());
    return scratch_block_;
  }
  return cables_[static_cast<size_t>(cable)].block;
}

bool FamilyModel::SlotValid(int cable, int slot) const {
  return layout_.has_reflectograms && HasCable(cable) && slot >= 0 && slot < kFamilySlots;
}

uint8_t FamilyModel::status(int cable, int slot) const {
  if (!SlotValid(cable, slot)) return kSlotEmpty;
  return cables_[static_cast<size_t>(cable)]
      .rest[RestOffset(layout_.status_offset) + static_cast<size_t>(slot)];
}

bool FamilyModel::SetStatus(int cable, int slot, uint8_t status) {
  if (!SlotValid(cable, slot)) return false;
  cables_[static_cast<size_t>(cable)]
      .rest[RestOffset(layout_.status_offset) + static_cast<size_t>(slot)] = status;
  return true;
}

FamilyModel::Cable FamilyModel::MakeCable(std::span<const uint8_t> record) const {
  Cable cable{CableBlock(BlockForm()), {}};
  const size_t block = BlockSize();
  std::copy_n(record.begin(), block, cable.block.bytes().begin());
  cable.rest.assign(record.begin() + static_cast<std::ptrdiff_t>(block), record.end());
  return cable;
}

bool FamilyModel::Read(PageContext& context) {
  const Address address = context.instrument().address();
  std::array<uint8_t, kFamilyInfoSize> head{};
  RecordSeries one;
  one.record_length = head.size();
  one.count = 1;
  // The information record is awaited as long as its command.
  one.wait = CommandWait(layout_.read_info);
  if (!context.transactions().Receive(address, layout_.read_info, head, one)) return false;
  const FamilyInfo info = FamilyInfo::FromWire(head.data());
  if (!info.CountsValid()) {
    Refuse(context, kCountRefused);
    return false;
  }
  std::vector<uint8_t> records(info.cables * layout_.record_size);
  if (info.cables > 0 && !context.transactions().Receive(address, layout_.read_cables, records,
                                                         Series(layout_, info.cables))) {
    return false;
  }
  return Load(info, records);
}

bool FamilyModel::SetRecord(int cable, std::span<const uint8_t> record) {
  if (!HasCable(cable) || record.size() != layout_.record_size) return false;
  cables_[static_cast<size_t>(cable)] = MakeCable(record);
  return true;
}

int FamilyModel::AddCable(std::string_view utf8) {
  if (!info_ || cable_count() >= info_->maximum_cables) return -1;
  std::vector<uint8_t> record(layout_.record_size, 0);
  if (layout_.has_reflectograms) {
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(layout_.status_offset), kFamilySlots,
                kSlotEmpty);
  }
  cables_.push_back(MakeCable(record));
  SetName(cable_count() - 1, utf8);
  return cable_count() - 1;
}

bool FamilyModel::Load(const FamilyInfo& info, std::span<const uint8_t> records) {
  if (!info.CountsValid() || records.size() != info.cables * layout_.record_size) return false;
  info_ = info;
  cables_.clear();
  for (size_t i = 0; i < info.cables; ++i) {
    cables_.push_back(MakeCable(records.subspan(i * layout_.record_size, layout_.record_size)));
  }
  Notify();
  return true;
}

bool FamilyModel::WriteAll(PageContext& context) {
  std::vector<uint8_t> records;
  records.reserve(cables_.size() * layout_.record_size);
  for (int i = 0; i < cable_count(); ++i) {
    const std::vector<uint8_t> one = record(i);
    records.insert(records.end(), one.begin(), one.end());
  }
  return context.transactions().Send(context.instrument().address(), layout_.write_all, records,
                                     Series(layout_, cables_.size()));
}

bool FamilyModel::WriteOne(PageContext& context, int cable) {
  if (!HasCable(cable)) return false;
  return context.transactions().Send(context.instrument().address(), layout_.write_one,
                                     record(cable), Series(layout_, 1));
}

bool FamilyModel::ReceiveOne(PageContext& context, int cable) {
  return ReceiveCableParameters(context.transactions(), context.instrument().address(), cable);
}

bool FamilyModel::ReceiveCableParameters(Transactions& transactions, const Address& address,
                                         int cable) {
  if (!HasCable(cable) || layout_.read_one == 0) return false;
  const std::array<uint8_t, 3> number = CableNumber(cable);
  std::vector<uint8_t> received(layout_.record_size);
  if (!transactions.ReceiveNumbered(address, layout_.read_one, number, received)) return false;
  Cable& target = cables_[static_cast<size_t>(cable)];
  Cable fresh = MakeCable(received);
  target.block = fresh.block;
  target.rest = std::move(fresh.rest);
  Notify();
  return true;
}

std::string FamilyModel::type_name(int type) const {
  if (type < 0 || type >= static_cast<int>(types_.size())) return {};
  return ReadTextField(types_[static_cast<size_t>(type)].data(), kFamilyTypeNameSize);
}

float FamilyModel::type_value(int type, int value) const {
  if (type < 0 || type >= static_cast<int>(types_.size()) || value < 0 || value > 2) return 0;
  return LoadLeFloat(types_[static_cast<size_t>(type)].data() + kFamilyTypeNameSize + 4 * value);
}

bool FamilyModel::ReadTypes(PageContext& context) {
  if (!info_ || layout_.read_types == 0) return false;
  if (info_->cable_types > kFamilyTypeLimit) {
    Refuse(context, kTypeCountRefused);
    return false;
  }
  std::vector<uint8_t> bytes(info_->cable_types * kFamilyTypeSize);
  RecordSeries series;
  series.record_length = kFamilyTypeSize;
  series.count = info_->cable_types;
  if (series.count > 0 && !context.transactions().Receive(context.instrument().address(),
                                                          layout_.read_types, bytes, series)) {
    return false;
  }
  return LoadTypes(bytes);
}

void FamilyModel::Reset() {
  info_.reset();
  cables_.clear();
  types_.clear();
  Notify();
}

void FamilyModel::Notify() {
  for (const auto& listener : listeners_) listener();
}

}  // namespace telvane
