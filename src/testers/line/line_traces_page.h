// "Рефлектограммы" of the line tester (versions below 4): every reflectogram
// the instrument holds received with 0x07 (their count from the information
// record), listed, the one under the cursor shown in a panel and drawn, and
// saved as a "*.rfg" (version 1.1), "*.wv" or "*.tdr" trace file.
#ifndef TELVANE_TESTERS_LINE_LINE_TRACES_PAGE_H_
#define TELVANE_TESTERS_LINE_LINE_TRACES_PAGE_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "testers/line/line_pages.h"
#include "testers/line/line_traces.h"

namespace telvane {

class LineTracesPage : public InstrumentPage {
 public:
  LineTracesPage(PageContext& context, std::shared_ptr<LineTesterState> state);

  void ClearBuffers() override;

  // Receives the information record first when this session has none, then
  // every reflectogram it counts. The traces held before are replaced only on
  // success; the cursor goes to the first trace.
  bool Receive();

  const std::vector<LineTrace>& traces() const { return traces_; }
  int selected() const { return selected_; }
  // Moves the cursor; an index outside the list is ignored.
  void Select(int index);
  std::vector<std::string> Lines() const;
  // The current trace's panel; empty without traces.
  std::vector<std::pair<std::string, std::string>> Panel() const;
  // The current trace for the plot; empty without traces.
  std::vector<PlotTrace> PlotTraces() const;

  // Asks for a file ("RFG (Версия 1.1)", "WV (WV8 файл)", "TDR (РЕЙС-105Р)")
  // and writes the current trace in the format of its extension. Without
  // traces: "Нет выделенных записей" (caption "Telvane"). False when nothing
  // was written.
  bool Save();

 private:
  std::shared_ptr<LineTesterState> state_;
  std::vector<LineTrace> traces_;
  int selected_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_TRACES_PAGE_H_
