#include "cable/cable_transfer.h"

#include <array>

#include "base/sprintf.h"

namespace telvane {
namespace {

constexpr int kTransferTimeout = 5000;
constexpr int kRecordSendTimeout = 15000;
constexpr int kWholeBaseCommandTimeout = 300000;
constexpr int kCompactTimeout = 1000;

constexpr ReceiveRules kTypeRecord = {.numbered = true, .texts = ReceiveRules::Texts::kTypeRecord};
constexpr ReceiveRules kNumberedRecord = {.numbered = true};
constexpr ReceiveRules kUnnumberedRecord = {.numbered = false, .confirm_data_index = 0};

constexpr char kBadRecordNumber[] = "Неверный номер записи";

}  // namespace

bool CableTransfer::Finish(CableLink& link, TransferProgress* progress, bool ok) {
  if (progress != nullptr) progress->Hide();
  const bool restored = link.Restore();
  return ok && restored;
}

void CableTransfer::Complete() { screen_.ShowMessage(Icon::kInformation, "Info", "Complete"); }

bool CableTransfer::ReadTypeStatus(CableTypeTable& table) {
  CableLink link = Link(kFullFamilyTexts);
  auto run = [&] {
    if (!link.Prepare(256, 256, kTransferTimeout) || !link.SendCommand(cable_code::kTypeStatus)) {
      return false;
    }
    std::array<uint8_t, 2> status;
    const ReceiveRules rules = {.confirm_data_index = 1, .texts = ReceiveRules::Texts::kTypeRecord};
    if (!link.ReceiveRecord(rules, status, nullptr, nullptr)) return false;
    table.current = status[0];
    table.maximum = status[1];
    table.types.resize(status[1]);
    return true;
  };
  return Finish(link, nullptr, run());
}

bool CableTransfer::SendCableType(const CableTypeTable& table, int index) {
  if (index < 0 || static_cast<size_t>(index) >= table.types.size()) return false;
  CableLink link = Link(kFullFamilyTexts);
  auto run = [&] {
    if (!link.Prepare(256, 1, kTransferTimeout) || !link.SendCommand(cable_code::kSendType)) {
      return false;
    }
    const auto wire =
        EncodeCableType(table.types[static_cast<size_t>(index)], NamePadding::kSpaces);
    return link.SendRecord(static_cast<uint8_t>(index + 1), wire, nullptr);
  };
  return Finish(link, nullptr, run());
}

bool CableTransfer::SendCableTypes(const CableTypeTable& table, int count) {
  count = std::clamp<int>(count, 0, std::min<int>(static_cast<int>(table.types.size()), 255));
  CableLink link = Link(kFullFamilyTexts);
  TransferProgress progress(screen_, static_cast<size_t>(count) * kCableTypeWireSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kTransferTimeout) || !link.SendCommand(cable_code::kSendTypes)) {
      return false;
    }
    progress.Show();
    for (int i = 0; i < count; ++i) {
      const auto wire = EncodeCableType(table.types[static_cast<size_t>(i)], NamePadding::kSpaces);
      if (!link.SendRecord(static_cast<uint8_t>(i + 1), wire, &progress)) return false;
    }
    return true;
  };
  const bool ok = Finish(link, &progress, run());
  if (ok) Complete();
  return ok;
}

bool CableTransfer::ReceiveCableTypes(CableTypeTable& table) {
  const int count = std::clamp(table.maximum, 0, 255);
  CableLink link = Link(kFullFamilyTexts);
  TransferProgress progress(screen_, static_cast<size_t>(count) * kCableTypeWireSize);
  std::vector<CableTypeRecord> received(static_cast<size_t>(count));
  auto run = [&] {
    if (!link.Prepare(256, 256, kTransferTimeout) || !link.SendCommand(cable_code::kReceiveTypes)) {
      return false;
    }
    progress.Show();
    for (int i = 0; i < count; ++i) {
      std::array<uint8_t, kCableTypeWireSize> wire;
      uint8_t number = 0;
      if (!link.ReceiveRecord(kTypeRecord, wire, &number, &progress)) return false;
      if (number < 1 || number > count) {
        link.Error(kBadRecordNumber);
        return false;
      }
      received[number - 1u] = DecodeCableType(wire);
    }
    return true;
  };
  if (!Finish(link, &progress, run())) return false;
  table.types = std::move(received);
  screen_.ShowMessage(Icon::kInformation, "Debug", Sprintf("Принято %d записи", count));
  return true;
}

bool CableTransfer::SendCableRecord(CableBase& base, int index) {
  if (index < 0 || index >= kMaxCables) return false;
  CableRecord& record = base.cables[static_cast<size_t>(index)];
  record.ClearTransferWord();
  CableLink link = Link(kFullFamilyTexts);
  auto run = [&] {
    if (!link.Prepare(256, 1, kTransferTimeout) || !link.SendCommand(cable_code::kSendCable) ||
        !link.SetTimeout(kRecordSendTimeout)) {
      return false;
    }
    return link.SendRecord(kSingleCableNumber, record.span(), nullptr);
  };
  return Finish(link, nullptr, run());
}

bool CableTransfer::SendCableRecords(const CableBase& base, int count) {
  count = std::clamp(count, 0, kMaxCables);
  CableLink link = Link(kFullFamilyTexts);
  TransferProgress progress(screen_, static_cast<size_t>(count) * CableRecord::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kWholeBaseCommandTimeout)) return false;
    {
      WaitCursor wait(screen_);
      if (!link.SendCommand(cable_code::kSendCables)) return false;
    }
    if (!link.SetTimeout(kRecordSendTimeout)) return false;
    progress.Show();
    for (int i = 0; i < count; ++i) {
      if (!link.SendRecord(static_cast<uint8_t>(i), base.cables[static_cast<size_t>(i)].span(),
                           &progress)) {
        return false;
      }
    }
    return true;
  };
  const bool ok = Finish(link, &progress, run());
  if (ok) Complete();
  return ok;
}

bool CableTransfer::ReceiveCableRecord(CableBase& base, int index) {
  if (index < 0 || index >= kMaxCables) return false;
  base.cables[static_cast<size_t>(index)].ClearTransferWord();
  CableLink link = Link(kFullFamilyTexts);
  TransferProgress progress(screen_, CableRecord::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kTransferTimeout) || !link.SendCommand(cable_code::kReceiveCable) ||
        !link.SendIndex(static_cast<uint8_t>(index))) {
      return false;
    }
    progress.Show();
    CableRecord scratch;
    uint8_t number = 0;
    if (!link.ReceiveRecord(kNumberedRecord, scratch.mutable_bytes(), &number, &progress)) {
      return false;
    }
    if (number != index) {
      link.Error(kBadRecordNumber);
      return false;
    }
    base.cables[static_cast<size_t>(index)] = scratch;
    return true;
  };
  return Finish(link, &progress, run());
}

bool CableTransfer::ReceiveCableRecords(CableBase& base, int count) {
  count = std::clamp(count, 0, kMaxCables);
  CableLink link = Link(kFullFamilyTexts);
  TransferProgress progress(screen_, static_cast<size_t>(count) * CableRecord::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kTransferTimeout) || !link.SendCommand(cable_code::kReceiveCables)) {
      return false;
    }
    progress.Show();
    for (int i = 0; i < count; ++i) {
      CableRecord scratch;
      uint8_t number = 0;
      if (!link.ReceiveRecord(kNumberedRecord, scratch.mutable_bytes(), &number, &progress)) {
        return false;
      }
      if (number >= count) {
        link.Error(kBadRecordNumber);
        return false;
      }
      base.cables[number] = scratch;
    }
    return true;
  };
  return Finish(link, &progress, run());
}

bool CableTransfer::ReceivePlanned(CableBase& base, int index) {
  if (index < 0 || index >= kMaxCables) return false;
  const int pairs =
      std::min<int>(base.cables[static_cast<size_t>(index)].pair_count(), kPlannedSlotsPerCable);
  if (pairs == 0) {
    screen_.ShowMessage(Icon::kError, "Ошибка",
                        "Количество пар должно превышать 0\n\rВозможно не считаны параметры "
                        "кабеля");
    return false;
  }
  PlannedDatabase& planned = base.planned[static_cast<size_t>(index)];
  CableLink link = Link(kFullFamilyTexts);
  TransferProgress progress(screen_, static_cast<size_t>(pairs) * PlannedMeasurement::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kTransferTimeout) || !link.SendCommand(cable_code::kReceivePlanned) ||
        !link.SendIndex(static_cast<uint8_t>(index))) {
      return false;
    }
    std::array<uint8_t, 3> date;
    const ReceiveRules date_rules = {.texts = ReceiveRules::Texts::kDateRecord};
    if (!link.ReceiveRecord(date_rules, date, nullptr, nullptr)) return false;
    planned.date = date;
    auto& slots = planned.EnsureSlots();
    progress.Show();
    for (int i = 0; i < pairs; ++i) {
      PlannedMeasurement scratch;
      if (!link.ReceiveRecord(kUnnumberedRecord, scratch.mutable_bytes(), nullptr, &progress)) {
        return false;
      }
      slots[static_cast<size_t>(i)] = scratch;
    }
    return true;
  };
  return Finish(link, &progress, run());
}

bool CableTransfer::ReceiveCompactPlanned(CompactBase& base) {
  const int cables = base.counts.planned_cables;
  const int pairs = base.counts.planned_pairs;
  if (cables == 0) {
    screen_.ShowMessage(Icon::kError, "Ошибка", "Нет кабелей 0\n\rВозможно не считаны параметры");
    return false;
  }
  if (pairs == 0) {
    screen_.ShowMessage(Icon::kError, "Ошибка", "Нет пар 0\n\rВозможно не считаны параметры");
    return false;
  }
  const size_t total = static_cast<size_t>(cables) * static_cast<size_t>(pairs);
  base.planned.resize(total, CompactPlannedMeasurement::Cleared());
  CableLink link = Link(kCompactTexts);
  TransferProgress progress(screen_, total * CompactPlannedMeasurement::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kCompactTimeout) ||
        !link.SendCommand(cable_code::kReceiveCompactPlanned)) {
      return false;
    }
    progress.Show();
    for (size_t i = 0; i < total; ++i) {
      CompactPlannedMeasurement scratch;
      if (!link.ReceiveRecord(kUnnumberedRecord, scratch.mutable_bytes(), nullptr, &progress)) {
        return false;
      }
      base.planned[i] = scratch;
    }
    return true;
  };
  return Finish(link, &progress, run());
}

// One numbered compact record after another into `received` (sized to the
// count the meter announced); each lands in its slot only after its checks.
// The records are numbered from `first` (cable types from 1, cables from 0).
template <typename Record>
bool CableTransfer::ReceiveCompactSeries(uint8_t code, uint8_t first,
                                         std::vector<Record>& received) {
  const size_t count = received.size();
  CableLink link = Link(kCompactTexts);
  TransferProgress progress(screen_, count * Record::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kCompactTimeout) || !link.SendCommand(code)) return false;
    progress.Show();
    for (size_t i = 0; i < count; ++i) {
      Record scratch;
      uint8_t number = 0;
      if (!link.ReceiveRecord(kNumberedRecord, scratch.mutable_bytes(), &number, &progress)) {
        return false;
      }
      if (number < first || number - first >= count) {
        link.Error(kBadRecordNumber);
        return false;
      }
      received[number - first] = scratch;
    }
    return true;
  };
  return Finish(link, &progress, run());
}

bool CableTransfer::ReceiveCompactTypes(CompactBase& base) {
  std::vector<CompactCableType> received(static_cast<size_t>(base.counts.types));
  if (!ReceiveCompactSeries(cable_code::kReceiveCompactTypes, 1, received)) return false;
  base.types = std::move(received);
  return true;
}

bool CableTransfer::ReceiveCompactCables(CompactBase& base) {
  if (base.counts.cables == 0) {
    screen_.ShowMessage(Icon::kError, "Ошибка", "В приборе отсутствуют параметры кабелей!");
    return false;
  }
  std::vector<CompactCableRecord> received(static_cast<size_t>(base.counts.cables));
  if (!ReceiveCompactSeries(cable_code::kReceiveCompactCables, 0, received)) return false;
  base.cables = std::move(received);
  return true;
}

bool CableTransfer::SendCompactImage(const std::vector<CompactCableRecord>& image) {
  if (image.empty()) {
    screen_.ShowMessage(Icon::kError, "Ошибка", "Отсутствуют параметры кабелей!");
    return false;
  }
  const size_t count = std::min<size_t>(image.size(), kMaxCables);
  CableLink link = Link(kCompactTexts);
  TransferProgress progress(screen_, count * CompactCableRecord::kSize);
  auto run = [&] {
    if (!link.Prepare(256, 1, kCompactTimeout) ||
        !link.SendCommand(cable_code::kSendCompactCables)) {
      return false;
    }
    progress.Show();
    for (size_t i = 0; i < count; ++i) {
      if (!link.SendRecord(static_cast<uint8_t>(i), image[i].span(), &progress)) return false;
    }
    return true;
  };
  const bool ok = Finish(link, &progress, run());
  if (ok) Complete();
  return ok;
}

bool CableTransfer::EndSession() {
  CableLink link = Link(kFullFamilyTexts);
  const bool ok =
      Finish(link, nullptr,
             link.Prepare(256, 256, kTransferTimeout) && link.SendCommand(cable_code::kEndSession));
  if (ok) instrument_.ClearIdentity();
  return ok;
}

}  // namespace telvane
