// The reflectogram page of the full family (kind 6, "Рефлектограммы"): the
// reflectogram entries that came with the search's initial transfer, one line
// each; the trace under the list cursor is received with code 0x17 (its files
// go below a folder the person chooses) and saved as a version 3.0 "*.rfg"
// file or an Excel 2.1 worksheet, the dialog's chosen filter deciding which.
// Received traces of the cable of the current one are drawn overlaid.
#ifndef TELVANE_CABLE_TRACE6_TRACE6_PAGE_H_
#define TELVANE_CABLE_TRACE6_TRACE6_PAGE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cable/trace6/trace6_entry.h"
#include "page/instrument_page.h"
#include "storage/trace/plot/trace_plot_model.h"

namespace telvane {

inline constexpr char kTrace6RfgFilter[] = "TavraView RFG file (*.rfg)";
inline constexpr char kTrace6XlsFilter[] = "Microsoft Excel 2.1 Worksheet (*.xls)";
inline constexpr char kTooManySamples[] =
    "Невозможно выделить память под данное количество Samples";

class Trace6Page : public InstrumentPage {
 public:
  explicit Trace6Page(PageContext& context);

  void ClearBuffers() override;

  // Entries announced by the initial transfer (none without it).
  int count();
  std::vector<std::string> Lines();
  int selected() const { return selected_; }
  // Moves the list cursor; an index outside the list is ignored.
  void Select(int index);
  // The current entry's fields, caption and value, in the panel's order;
  // empty without entries.
  std::vector<std::pair<std::string, std::string>> Panel();
  bool received(int index) const;

  // Receives the current trace (asking for the folder of its files the first
  // time); false after a message or a cancelled dialog.
  bool Receive();
  // Saves the current trace, receiving it first when it has not come yet.
  bool Save();

  // The current trace first, then the other received traces of its cable.
  std::vector<PlotTrace> PlotTraces();

 private:
  const Kind6Database* Database();
  std::optional<ReflectogramEntry> Entry(int index);
  std::string CableName(int cable);

  int selected_ = 0;
  // Samples by entry index, for the traces received.
  std::vector<std::optional<std::vector<uint8_t>>> samples_;
  std::optional<std::string> folder_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_TRACE6_TRACE6_PAGE_H_
