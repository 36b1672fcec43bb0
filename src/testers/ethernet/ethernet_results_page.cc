#include "testers/ethernet/ethernet_results_page.h"

#include "base/sprintf.h"
#include "testers/ethernet/ethernet_report.h"
#include "testers/numbered_results.h"
#include "testers/report_sheet.h"

namespace telvane {

EthernetResultsPage::EthernetResultsPage(PageContext& context)
    : InstrumentPage(context, PageId::kFiles20, "БД Измерений") {}

const Rfc2544Result* EthernetResultsPage::selected_result() const {
  if (selected_ < 0 || selected_ >= static_cast<int>(results_.size())) return nullptr;
  return &results_[static_cast<size_t>(selected_)];
}

std::string EthernetResultsPage::SelectionText() const {
  const Rfc2544Result* r = selected_result();
  return r != nullptr ? ResultSummary(*r) : std::string();
}

bool EthernetResultsPage::can_report() const {
  const Rfc2544Result* r = selected_result();
  return r != nullptr && r->holds_result();
}

std::vector<std::string> EthernetResultsPage::UnitNames() { return {"Проценты (%)", "Мбит/c"}; }

bool EthernetResultsPage::Receive() {
  WaitCursor wait(screen());
  ClearBuffers();
  EthernetTesterInfo info;
  Transactions& transactions = context().transactions();
  const Address address = context().instrument().address();
  if (!ReceiveTesterInfo(transactions, address, info.mutable_bytes())) return false;
  int count = info.raw_file_count();
  if (count < 0 || count > kEthernetMaxFiles) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение",
                         "Потеря данных.\r\nКоличество записей больше возможного.");
    count = count < 0 ? 0 : kEthernetMaxFiles;
  }
  bool ok = true;
  for (int i = 1; i <= count && ok; ++i) {
    Rfc2544Result result;
    ok = ReceiveNumberedRecord(transactions, address, static_cast<uint32_t>(i),
                               result.mutable_bytes());
    if (ok) {
      results_.push_back(result);
      lines_.push_back(Sprintf("%2.2d. %s", i, result.file_name().c_str()));
    }
  }
  selected_ = results_.empty() ? -1 : 0;
  Changed();
  return ok;
}

void EthernetResultsPage::Select(int index) {
  if (index < 0 || index >= static_cast<int>(results_.size())) return;
  selected_ = index;
  Changed();
}

void EthernetResultsPage::SetUnit(int unit) {
  unit_ = unit;
  Changed();
}

bool EthernetResultsPage::Report() {
  if (!can_report()) return false;
  const auto choice = screen().ChooseSaveFile(ReportDialog());
  return choice && ReportTo(choice->path);
}

bool EthernetResultsPage::ReportTo(const std::string& path) {
  if (!can_report()) return false;
  const InstrumentInfo& info = context().instrument();
  return WriteEthernetReport(
      screen(), {*selected_result(), unit_, info.name, info.SerialText(), screen().Now()}, path);
}

void EthernetResultsPage::ClearBuffers() {
  results_.clear();
  lines_.clear();
  selected_ = -1;
  Changed();
}

}  // namespace telvane
