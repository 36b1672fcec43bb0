#include "testers/plan/kind9_database.h"

#include <algorithm>
#include <array>

namespace telvane {
namespace {

// A count or record number from the instrument that does not fit what the
// parameters announce.
constexpr char kBadData[] = "Некорректная передача данных";

// Every block of a record is answered with the complement of its first byte;
// the parameters block with that of its byte 3, as the serial initial
// transfer confirms the same bytes.
constexpr ConfirmSource kRecordConfirm = ConfirmSource::DataByte(0);
constexpr ConfirmSource kParametersConfirm = ConfirmSource::DataByte(3);

constexpr uint8_t kReadParameters = 0x30;
constexpr uint8_t kWriteParameters = 0x31;
constexpr uint8_t kReadCables = 0x33;
constexpr uint8_t kReadCable = 0x34;
constexpr uint8_t kReadPair = 0x35;
constexpr uint8_t kWriteCables = 0x37;

const std::vector<Kind9PairRecord> kNoPairs;

void Refuse(PageContext& context) { context.screen.ShowMessage(Icon::kError, "Ошибка", kBadData); }

}  // namespace

Kind9Database::Kind9Database(int trailing_records)
    : trailing_(static_cast<uint32_t>(std::max(0, trailing_records))) {}

void Kind9Database::SetParameters(const Kind9Parameters& parameters) {
  parameters_ = parameters;
  Notify();
}

size_t Kind9Database::shown_count() const {
  return records_.size() > trailing_ ? records_.size() - trailing_ : 0;
}

const std::vector<Kind9PairRecord>& Kind9Database::pairs(size_t cable) const {
  return cable < pairs_.size() ? pairs_[cable] : kNoPairs;
}

bool Kind9Database::has_pairs(size_t cable) const {
  return cable < pairs_.size() && !pairs_[cable].empty();
}

void Kind9Database::Select(int cable) {
  selected_ = cable >= 0 && static_cast<size_t>(cable) < shown_count() ? cable : -1;
  Notify();
}

bool Kind9Database::ReadParameters(PageContext& context) {
  if (context.link.link_kind() == LinkKind::kIrda) {
    std::array<uint8_t, Kind9Parameters::kWireSize> block{};
    if (!context.transactions().ReceiveBlockSeries(context.instrument().address(), kReadParameters,
                                                   block, block.size(), kParametersConfirm)) {
      return false;
    }
    SetParameters(Kind9Parameters::FromWire(block.data()));
    return true;
  }
  const auto& initial = context.initial().kind9;
  if (!initial) return false;
  SetParameters(*initial);
  return true;
}

bool Kind9Database::ReadCables(PageContext& context) {
  if (!parameters_ && !ReadParameters(context)) return false;
  const size_t count = parameters_->current_cables;
  if (count > parameters_->maximum_cables) {
    Refuse(context);
    return false;
  }
  std::vector<uint8_t> bytes(count * kKind9RecordSize);
  if (!context.transactions().ReceiveBlockSeries(context.instrument().address(), kReadCables, bytes,
                                                 kKind9RecordSize, kRecordConfirm)) {
    return false;
  }
  std::vector<Kind9CableRecord> records;
  SplitCableRecords(bytes, count, records);
  records_ = std::move(records);
  pairs_.assign(records_.size(), {});
  has_cables_ = true;
  selected_ = -1;
  Notify();
  return true;
}

bool Kind9Database::ReadCable(PageContext& context, size_t cable) {
  if (cable >= records_.size() || cable > UINT16_MAX) return false;
  std::array<uint8_t, kKind9RecordSize> block{};
  if (!context.transactions().ExchangeRecordBlock(context.instrument().address(), kReadCable,
                                                  RecordNumberBytes(static_cast<uint16_t>(cable)),
                                                  block, kRecordConfirm)) {
    return false;
  }
  records_[cable].Assign(block);
  pairs_[cable].clear();
  Notify();
  return true;
}

bool Kind9Database::ReadPairs(PageContext& context, size_t cable) {
  if (cable >= records_.size() || !parameters_) return false;
  const Kind9CableRecord& record = records_[cable];
  if (!PairsInsideArea(record, parameters_->maximum_pairs)) {
    Refuse(context);
    return false;
  }
  std::vector<Kind9PairRecord> pairs(record.pairs());
  for (size_t i = 0; i < pairs.size(); ++i) {
    const auto number = static_cast<uint16_t>(record.first_pair() + i);
    std::array<uint8_t, kKind9RecordSize> block{};
    if (!context.transactions().ExchangeRecordBlock(context.instrument().address(), kReadPair,
                                                    RecordNumberBytes(number), block,
                                                    kRecordConfirm)) {
      return false;
    }
    pairs[i].Assign(block);
    context.screen.SetProgress(static_cast<int>((i + 1) * 100 / pairs.size()));
  }
  pairs_[cable] = std::move(pairs);
  Notify();
  return true;
}

bool Kind9Database::Write(PageContext& context) {
  if (!parameters_ || !has_cables_) return false;
  // More cable records than the parameters allow would run past the cable
  // area into the planned measurements of the instrument's memory.
  if (records_.size() > parameters_->maximum_cables) {
    Refuse(context);
    return false;
  }
  const auto info = parameters_->ToWire();
  if (!context.transactions().SendBlockSeries(context.instrument().address(), kWriteParameters,
                                              info, info.size(), kParametersConfirm)) {
    return false;
  }
  if (records_.empty()) return true;
  std::vector<uint8_t> bytes;
  bytes.reserve(records_.size() * kKind9RecordSize);
  for (const Kind9CableRecord& record : records_) {
    bytes.insert(bytes.end(), record.bytes().begin(), record.bytes().end());
  }
  return context.transactions().SendBlockSeries(context.instrument().address(), kWriteCables, bytes,
                                                kKind9RecordSize, kRecordConfirm);
}

void Kind9Database::StorePlan(const MemoryPlan& plan) {
  if (!parameters_) return;
  Kind9Parameters& p = *parameters_;
  p.maximum_cables = static_cast<uint16_t>(plan.cables);
  if (has_cables_) p.current_cables = static_cast<uint16_t>(records_.size());
  p.current_pairs = 0;
  p.maximum_pairs = static_cast<uint16_t>(plan.pairs);
  p.first_free_byte = plan.first_free_byte;
  p.maximum_sections = static_cast<uint8_t>(plan.sections);
  for (size_t c = 0; c < records_.size(); ++c) {
    if (records_[c].sections() > plan.sections) {
      records_[c].set_sections(static_cast<uint8_t>(plan.sections));
    }
    pairs_[c].clear();
  }
  Notify();
}

void Kind9Database::Reset() {
  parameters_.reset();
  has_cables_ = false;
  records_.clear();
  pairs_.clear();
  selected_ = -1;
  Notify();
}

void Kind9Database::Notify() {
  for (const auto& listener : listeners_) listener();
}

}  // namespace telvane
