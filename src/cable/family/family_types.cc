// The cable types of a family model: taking them apart without I/O and
// writing them to the instrument. A written type carries its index in front
// of its 31 bytes, so one transaction can hold one type or all of them.
#include <algorithm>

#include "cable/family/family_model.h"

namespace telvane {
namespace {

RecordSeries TypeSeries(size_t count) {
  RecordSeries series;
  series.record_length = kFamilyTypeWriteSize;
  series.count = count;
  return series;
}

void AppendWritten(std::vector<uint8_t>& out, int index, const FamilyModel::TypeRecord& record) {
  out.push_back(static_cast<uint8_t>(index));
  out.insert(out.end(), record.begin(), record.end());
}

}  // namespace

bool FamilyModel::SetType(int type, const TypeRecord& record) {
  if (type < 0 || type >= static_cast<int>(types_.size())) return false;
  types_[static_cast<size_t>(type)] = record;
  Notify();
  return true;
}

bool FamilyModel::LoadTypes(std::span<const uint8_t> bytes) {
  if (bytes.size() % kFamilyTypeSize != 0) return false;
  const size_t count = bytes.size() / kFamilyTypeSize;
  if (count > static_cast<size_t>(kFamilyTypeLimit)) return false;
  types_.assign(count, TypeRecord{});
  for (size_t i = 0; i < count; ++i) {
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(i * kFamilyTypeSize), kFamilyTypeSize,
                types_[i].begin());
  }
  Notify();
  return true;
}

bool FamilyModel::WriteTypes(PageContext& context) {
  if (layout_.write_types == 0 || types_.empty()) return false;
  std::vector<uint8_t> records;
  records.reserve(types_.size() * kFamilyTypeWriteSize);
  for (size_t i = 0; i < types_.size(); ++i) AppendWritten(records, static_cast<int>(i), types_[i]);
  return context.transactions().Send(context.instrument().address(), layout_.write_types, records,
                                     TypeSeries(types_.size()));
}

bool FamilyModel::WriteType(PageContext& context, int type) {
  if (layout_.write_types == 0 || type < 0 || type >= static_cast<int>(types_.size())) {
    return false;
  }
  std::vector<uint8_t> record;
  AppendWritten(record, type, types_[static_cast<size_t>(type)]);
  return context.transactions().Send(context.instrument().address(), layout_.write_types, record,
                                     TypeSeries(1));
}

}  // namespace telvane
