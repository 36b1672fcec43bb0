#include "testers/line/line_traces_page.h"

#include <optional>

#include "base/translatable.h"
#include "storage/trace/trace_dispatch.h"

namespace telvane {

LineTracesPage::LineTracesPage(PageContext& context, std::shared_ptr<LineTesterState> state)
    : InstrumentPage(context, PageId::kReflectograms17,
                     QT_TRANSLATE_NOOP("Tabs", "Рефлектограммы")),
      state_(std::move(state)) {}

void LineTracesPage::ClearBuffers() {
  traces_.clear();
  selected_ = 0;
  Changed();
}

bool LineTracesPage::Receive() {
  if (!state_->info && !ReceiveLineInfo(context(), *state_)) {
    Changed();
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!LineTransfersOf(context()).ReceiveRecords(kLineTracesCommand, kLineTraceSize,
                                                 state_->info->reflectograms, bytes)) {
    return false;
  }
  std::vector<LineTrace> traces;
  for (size_t at = 0; at + kLineTraceSize <= bytes.size(); at += kLineTraceSize) {
    traces.push_back(LineTrace::FromWire(
        std::span<const uint8_t, kLineTraceSize>(bytes.data() + at, kLineTraceSize)));
  }
  traces_ = std::move(traces);
  selected_ = 0;
  Changed();
  return true;
}

void LineTracesPage::Select(int index) {
  if (index < 0 || static_cast<size_t>(index) >= traces_.size()) return;
  selected_ = index;
  Changed();
}

std::vector<std::string> LineTracesPage::Lines() const {
  std::vector<std::string> lines;
  for (size_t i = 0; i < traces_.size(); ++i) {
    lines.push_back(traces_[i].Line(static_cast<int>(i + 1)));
  }
  return lines;
}

std::vector<std::pair<std::string, std::string>> LineTracesPage::Panel() const {
  if (traces_.empty()) return {};
  return traces_[static_cast<size_t>(selected_)].Panel();
}

std::vector<PlotTrace> LineTracesPage::PlotTraces() const {
  if (traces_.empty()) return {};
  const LineTrace& trace = traces_[static_cast<size_t>(selected_)];
  return {trace.Plot(trace.Line(selected_ + 1))};
}

bool LineTracesPage::Save() {
  if (traces_.empty()) {
    screen().ShowMessage(Icon::kWarning, "Telvane", "Нет выделенных записей");
    return false;
  }
  FileDialog dialog;
  dialog.filters = {
      {"RFG (Версия 1.1)", "*.rfg"}, {"WV (WV8 файл)", "*.wv"}, {"TDR (РЕЙС-105Р)", "*.tdr"}};
  dialog.default_extension = "rfg";
  const std::optional<FileChoice> choice = screen().ChooseSaveFile(dialog);
  if (!choice) return false;
  const LineTrace& trace = traces_[static_cast<size_t>(selected_)];
  // The compact forms are those of the older reflectometer page: RFG 1.1,
  // WV with 10 at its start, TDR of 128 samples.
  return SaveTrace(screen(), choice->path, TracePage::kOlder, 0, trace.Block(), trace.record);
}

}  // namespace telvane
