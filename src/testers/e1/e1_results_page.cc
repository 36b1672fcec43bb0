#include "testers/e1/e1_results_page.h"

#include <array>

#include "testers/numbered_results.h"

namespace telvane {
namespace {

constexpr size_t kRecordBytes = 512;

}  // namespace

E1ResultsPage::E1ResultsPage(PageContext& context)
    : InstrumentPage(context, PageId::kFiles19, "БД Измерений") {}

bool E1ResultsPage::Receive() {
  WaitCursor wait(screen());
  document_.Clear();
  Changed();
  E1TesterInfo info;
  if (!ReceiveTesterInfo(context().transactions(), context().instrument().address(),
                         info.mutable_bytes())) {
    return false;
  }
  bool ok = true;
  for (int i = 1; i <= info.file_count() && ok; ++i) {
    E1File file;
    ok = ReceiveFile(i, file);
    if (ok) document_.Append(std::move(file));
  }
  document_.Select(0);
  Changed();
  return ok;
}

bool E1ResultsPage::ReceiveFile(int number, E1File& file) {
  Transactions& transactions = context().transactions();
  const Address address = context().instrument().address();
  const auto base = static_cast<uint32_t>(number) * 1000;
  if (!ReceiveNumberedRecord(transactions, address, base, file.header.mutable_bytes())) {
    return false;
  }
  int count = file.header.raw_count();
  // Record numbers reach 1000 i + 999 at most: a count beyond that, or below
  // 0, cannot be read whole.
  if (count < 0 || count > kE1MaxRecords) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение",
                         "Потеря данных.\r\nКоличество записей больше возможного.");
    count = count < 0 ? 0 : kE1MaxRecords;
  }
  file.records.clear();
  std::array<uint8_t, kRecordBytes> buffer{};
  for (int j = 0; j < count; ++j) {
    if (!ReceiveNumberedRecord(transactions, address, base + 1 + static_cast<uint32_t>(j),
                               buffer)) {
      return false;
    }
    E1Record record;
    record.Assign(std::span(buffer).first(E1Record::kSize));
    file.records.push_back(record);
  }
  return true;
}

bool E1ResultsPage::LoadPage() {
  const bool ok = document_.LoadPage(screen());
  Changed();
  return ok;
}

bool E1ResultsPage::Protocol() {
  const InstrumentInfo& info = context().instrument();
  return document_.Protocol(screen(), info.name, info.SerialText());
}

void E1ResultsPage::ClearBuffers() {
  document_.Clear();
  Changed();
}

}  // namespace telvane
