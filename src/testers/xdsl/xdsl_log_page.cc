#include "testers/xdsl/xdsl_log_page.h"

#include <algorithm>

#include "base/file_write.h"
#include "base/translatable.h"
#include "base/values.h"
#include "link/transactions.h"
#include "testers/chart_file.h"
#include "testers/xdsl/xdsl_chart.h"
#include "testers/xdsl/xdsl_export.h"

namespace telvane {
namespace {

constexpr char kError[] = "Ошибка";
constexpr char kQuestion[] = "Вопрос";
// Command and record waits of both transactions (the serial link waits by its
// read time-out instead).
constexpr Wait kCommandWait{11, 0};

}  // namespace

XdslLogPage::XdslLogPage(PageContext& context)
    : InstrumentPage(context, PageId::kXdsl11, QT_TRANSLATE_NOOP("Tabs", "xDSL")) {}

void XdslLogPage::Start() {
  const std::optional<float>& version = context().facts.version;
  if (!version || *version < kXdslFirstFirmware) return;
  ReceiveList();
}

void XdslLogPage::ClearBuffers() {
  entries_.clear();
  marks_.clear();
  logs_.clear();
  selected_.reset();
  Changed();
}

bool XdslLogPage::ReceiveList() {
  ClearBuffers();
  layout_ = XdslLayoutFor(context().facts.version.value_or(0.0f));
  const unsigned count = context().facts.xdsl_logs.value_or(0);
  // The instrument announces at most 255 logs (one byte); none: nothing to ask.
  if (count == 0 || count > 255) return count == 0;
  std::vector<uint8_t> records(count * layout_.entry_size);
  RecordSeries series;
  series.record_length = records.size();
  series.count = 1;
  series.confirm = [count](size_t) { return ConfirmSource::Value(static_cast<uint8_t>(count)); };
  if (!context().transactions().Receive(context().instrument().address(), kXdslListCommand, records,
                                        series)) {
    return false;
  }
  for (unsigned i = 0; i < count; ++i) {
    entries_.push_back(XdslLogEntry::Parse(
        layout_.band, std::span(records).subspan(i * layout_.entry_size, layout_.entry_size)));
  }
  marks_.assign(entries_.size(), false);
  logs_.resize(entries_.size());
  selected_ = 0;
  Changed();
  return true;
}

std::optional<XdslLog> XdslLogPage::ReceiveLog(size_t index) {
  if (index >= entries_.size()) return std::nullopt;
  Exchange& exchange = link().exchange();
  const Address address = context().instrument().address();
  if (!exchange.SendCommand(address, kXdslLogCommand, kCommandWait)) {
    screen().ShowMessage(Icon::kError, kError, "Ошибка выполнения команды");
    return std::nullopt;
  }
  // The position in the list, counted from 0, high byte first; the instrument
  // confirms it with the complement of its low byte.
  uint8_t position[2];
  PackBe16(static_cast<uint16_t>(index), position);
  if (!exchange.SendRecord(address, position, sizeof position, Complement(position[1]), Progress{},
                           kRecordWait)) {
    screen().ShowMessage(Icon::kError, kError, "Ошибка при передачи номера лога");
    return std::nullopt;
  }
  // The log is confirmed the same way: the complement of the position's low
  // byte.
  std::vector<uint8_t> bytes(layout_.log_size);
  if (!exchange.ReceiveRecord(address, bytes.data(), bytes.size(),
                              ConfirmSource::Value(position[1]), Progress{true, 0, 1},
                              kRecordWait)) {
    screen().ShowMessage(Icon::kError, kError, "Ошибка при приеме записи");
    return std::nullopt;
  }
  std::optional<XdslLog> log = XdslLog::FromWire(bytes);
  logs_[index] = log;
  Changed();
  return log;
}

bool XdslLogPage::Save() {
  std::vector<size_t> chosen;
  for (size_t i = 0; i < marks_.size(); ++i) {
    if (marks_[i]) chosen.push_back(i);
  }
  if (chosen.empty() && selected_) chosen.push_back(*selected_);
  for (size_t index : chosen) {
    if (!SaveOne(index)) return false;
  }
  return true;
}

bool XdslLogPage::SaveOne(size_t index) {
  const std::optional<XdslLog> log = ReceiveLog(index);
  if (!log) return false;
  FileDialog dialog;
  dialog.filters = {{"Microsoft Excel 2.1 Worksheet (*.xls)", "*.xls"},
                    {"CSV (разделители - точка с запятой)", "*.csv"},
                    {"CSV (разделители - запятые)", "*.csv"}};
  dialog.default_extension = "xls";
  dialog.default_name = entries_[index].name;
  const std::optional<FileChoice> choice = screen().ChooseSaveFile(dialog);
  // A cancelled dialog skips this log; the next one still comes.
  if (!choice) return true;
  const XdslExportSource source{context().instrument().name, context().instrument().SerialText(),
                                layout_.band, &entries_[index], &*log};
  switch (choice->filter_index) {
    case 1:
      if (!WriteXdslWorksheet(source, choice->path)) {
        screen().ShowMessage(Icon::kError, kError, "Ошибка создание файла");
        return false;
      }
      return true;
    case 2:
    case 3: {
      const std::string text = XdslExportText(source, choice->filter_index == 2 ? ';' : ',');
      return ReplaceWholeFile(
          screen(), choice->path,
          std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    default:
      screen().ShowMessage(Icon::kError, kError,
                           "Неизвестный тип файла! Обратитесь к разработчикам.");
      return false;
  }
}

void XdslLogPage::Select(size_t index) {
  if (index >= entries_.size()) return;
  selected_ = index;
  Changed();
}

void XdslLogPage::SetMarked(size_t index, bool marked) {
  if (index >= marks_.size()) return;
  marks_[index] = marked;
  Changed();
}

void XdslLogPage::AskMarkAll() {
  if (screen().AskYesNo(Icon::kQuestion, kQuestion, "Выделить все?") != Answer::kYes) return;
  std::fill(marks_.begin(), marks_.end(), true);
  Changed();
}

void XdslLogPage::AskUnmarkAll() {
  if (screen().AskYesNo(Icon::kQuestion, kQuestion, "Отменить выделение для всех?") !=
      Answer::kYes) {
    return;
  }
  std::fill(marks_.begin(), marks_.end(), false);
  Changed();
}

std::string XdslLogPage::SelectedName() const {
  return selected_ ? entries_[*selected_].name : std::string();
}

std::string XdslLogPage::SelectedMode() const {
  return selected_ ? entries_[*selected_].mode : std::string();
}

std::vector<XdslSummaryRow> XdslLogPage::SummaryRows() const {
  if (!selected_) return {};
  return XdslSummaryRows(entries_[*selected_]);
}

const XdslLog* XdslLogPage::SelectedLog() const {
  if (!selected_ || !logs_[*selected_]) return nullptr;
  return &*logs_[*selected_];
}

bool XdslLogPage::ReceiveSelectedLog() { return selected_ && ReceiveLog(*selected_).has_value(); }

std::optional<ChartFigure> XdslLogPage::SelectedChart() const {
  const XdslLog* log = SelectedLog();
  if (!log) return std::nullopt;
  return XdslChart(entries_[*selected_], *log);
}

bool XdslLogPage::SaveChart(const ChartDrawer& draw) {
  const std::optional<ChartFigure> chart = SelectedChart();
  if (!chart) return false;
  const std::optional<std::string> path = ChooseChartFile(screen());
  if (!path) return false;
  const std::string png = draw(*chart);
  if (png.empty()) {
    screen().ShowMessage(Icon::kError, "Ошибка создания файла", *path);
    return false;
  }
  return ReplaceWholeFile(screen(), *path,
                          std::span(reinterpret_cast<const uint8_t*>(png.data()), png.size()));
}

}  // namespace telvane
