#include "cable/sheets/sheets_page.h"

#include <vector>

#include "cable/sheets/notebook_report.h"
#include "cable/sheets/sheet_report.h"

namespace telvane {
namespace {

constexpr char kTitle[] = "БД Измерений";
constexpr char kNoSelection[] = "Нет выделенных листов!";
constexpr char kReportFailed[] = "Ошибка создание файла";
constexpr char kBadCount[] = "Неверное число листов!";
// Kind 13 from this sheet version on reads its sheets on its second page.
constexpr float kSecondPageVersion = 302.0f;
constexpr uint8_t kSheetKind = 13;

template <class Record>
bool ReceiveRecords(PageContext& context, uint8_t code, size_t count,
                    std::vector<Record>& records) {
  std::vector<uint8_t> bytes(count * Record::kSize);
  const RecordSeries series{.record_length = Record::kSize, .count = count};
  if (!context.transactions().Receive(context.instrument().address(), code, bytes, series)) {
    return false;
  }
  records.resize(count);
  for (size_t i = 0; i < count; ++i) {
    records[i].Assign(std::span<const uint8_t>(bytes).subspan(i * Record::kSize, Record::kSize));
  }
  return true;
}

}  // namespace

SheetsPage::SheetsPage(PageContext& context, std::shared_ptr<SheetModel> model)
    : SheetsPage(context, PageId::kSheets13, std::move(model)) {}

SheetsPage::SheetsPage(PageContext& context, PageId id, std::shared_ptr<SheetModel> model)
    : InstrumentPage(context, id, kTitle), model_(std::move(model)) {}

SheetsReceivePage::SheetsReceivePage(PageContext& context, std::shared_ptr<SheetModel> model)
    : SheetsPage(context, PageId::kSheetsReceive13, std::move(model)) {}

std::vector<std::string> SheetsPage::Entries() const {
  std::vector<std::string> entries;
  const bool pair_selection = model_->catalog.pair_selection_names();
  for (size_t i = 0; i < model_->sheets.size(); ++i) {
    entries.push_back(SheetEntryName(pair_selection, static_cast<int>(i) + 1));
  }
  for (size_t i = 0; i < model_->notebook.size(); ++i) {
    entries.push_back(NotebookEntryName(static_cast<int>(i) + 1));
  }
  return entries;
}

std::string SheetsPage::Status() const {
  return MeasurementStatus(!model_->sheets.empty() || !model_->notebook.empty());
}

std::string SheetsPage::Information() const {
  const int s = model_->selected;
  const int sheets = static_cast<int>(model_->sheets.size());
  if (s < 0) return "";
  if (s < sheets) return SheetInformation(model_->sheets[static_cast<size_t>(s)]);
  if (s - sheets < static_cast<int>(model_->notebook.size())) {
    return NotebookInformation(model_->notebook[static_cast<size_t>(s - sheets)]);
  }
  return "";
}

void SheetsPage::Select(int entry) {
  const int count = static_cast<int>(model_->sheets.size() + model_->notebook.size());
  model_->selected = entry >= 0 && entry < count ? entry : -1;
  Changed();
}

bool SheetsPage::Save() {
  const int s = model_->selected;
  const int sheets = static_cast<int>(model_->sheets.size());
  if (s < 0) {
    screen().ShowMessage(Icon::kError, "Ошибка", kNoSelection);
    return false;
  }
  if (s < sheets && model_->sheets[static_cast<size_t>(s)].empty()) return false;
  FileDialog dialog;
  dialog.filters = {{"Microsoft Excel 2.1 Worksheet (*.xls)", "*.xls"}};
  dialog.default_extension = "xls";
  const auto choice = screen().ChooseSaveFile(dialog);
  if (!choice) return false;
  const InstrumentInfo& info = context().instrument();
  const ReportHeading heading{info.name, info.SerialText(), screen().Now()};
  const bool ok =
      s < sheets
          ? WriteSheetReport(choice->path, model_->sheets[static_cast<size_t>(s)],
                             model_->catalog.pair_count(), heading)
          : WriteNotebookReport(choice->path, model_->notebook[static_cast<size_t>(s - sheets)],
                                s - sheets + 1, heading);
  if (!ok) screen().ShowMessage(Icon::kError, "Ошибка", kReportFailed);
  return ok;
}

bool SheetsPage::ReadCatalog() {
  std::vector<SheetCatalog> catalog;
  if (!ReceiveRecords(context(), kSheetCatalogCommand, 1, catalog)) return false;
  if (catalog[0].sheet_count() > kMaxSheets) {
    screen().ShowMessage(Icon::kError, "Ошибка", kBadCount);
    return false;
  }
  model_->catalog = catalog[0];
  model_->has_catalog = true;
  if (context().instrument().kind == kSheetKind) context().facts.version = catalog[0].version();
  Changed();
  return true;
}

bool SheetsPage::ReceiveSheets() {
  if (!model_->has_catalog && !ReadCatalog()) return false;
  std::vector<SheetRecord> sheets;
  std::vector<NotebookRecord> notebook;
  const size_t count = model_->catalog.sheet_count();
  if (count > 0 && !ReceiveRecords(context(), kSheetRecordsCommand, count, sheets)) return false;
  if (model_->catalog.has_notebook() &&
      !ReceiveRecords(context(), kNotebookCommand, kNotebookEntries, notebook)) {
    return false;
  }
  model_->sheets = std::move(sheets);
  model_->notebook = std::move(notebook);
  model_->selected = -1;
  Changed();
  return true;
}

void SheetsPage::Start() {
  ClearBuffers();
  if (!ReadCatalog()) return;
  const bool second_page =
      context().instrument().kind == kSheetKind && model_->catalog.version() >= kSecondPageVersion;
  if (!second_page) ReceiveSheets();
}

void SheetsPage::ClearBuffers() {
  model_->Clear();
  Changed();
}

}  // namespace telvane
