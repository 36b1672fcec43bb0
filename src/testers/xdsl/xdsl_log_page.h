// "xDSL" page of kinds 11, 12 and 16: the list of logs the xDSL tester holds
// (command 0x6B), the summary of the selected one, marks, and the export of
// whole logs (command 0x6C) as a worksheet or a text with ";" or ",".
//
// The number of stored logs n comes from the database information record
// (SessionFacts::xdsl_logs); the version (SessionFacts::version) chooses the
// band of the record layouts (xdsl_records.h). Both transactions run over the
// link in use, the serial port or the IrDA socket.
#ifndef TELVANE_TESTERS_XDSL_XDSL_LOG_PAGE_H_
#define TELVANE_TESTERS_XDSL_XDSL_LOG_PAGE_H_

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "storage/chart/chart_model.h"
#include "testers/xdsl/xdsl_records.h"

namespace telvane {

inline constexpr uint8_t kXdslListCommand = 0x6B;
inline constexpr uint8_t kXdslLogCommand = 0x6C;
// The firmware from which the instrument keeps logs (the "xDSL" tab's own
// condition).
inline constexpr float kXdslFirstFirmware = 8.027f;

class XdslLogPage : public InstrumentPage {
 public:
  explicit XdslLogPage(PageContext& context);

  // The first transfer: the list, when the firmware keeps logs.
  void Start() override;
  void ClearBuffers() override;

  // "Принять от прибора...": clears the list, then receives it (0x6B). On
  // success the first entry is selected. False after a failure (the list
  // stays empty).
  bool ReceiveList();
  // Receives the full log of entry `index` (0x6C); it is kept as the entry's
  // last received log (for the chart).
  std::optional<XdslLog> ReceiveLog(size_t index);
  // "Сохранить...": the marked logs in list order, or the selected one when
  // none is marked; each received, then saved through the save dialog. Stops
  // at the first failed step. False when a step failed.
  bool Save();

  void Select(size_t index);
  void SetMarked(size_t index, bool marked);
  // Asks "Выделить все?" / "Отменить выделение для всех?" and, on Yes, marks
  // or unmarks every log.
  void AskMarkAll();
  void AskUnmarkAll();

  const std::vector<XdslLogEntry>& entries() const { return entries_; }
  const std::vector<bool>& marks() const { return marks_; }
  std::optional<size_t> selected() const { return selected_; }
  XdslLayout layout() const { return layout_; }
  bool can_save() const { return !entries_.empty(); }
  // "Наименование:" and "Режим:" of the selected log (empty without one).
  std::string SelectedName() const;
  std::string SelectedMode() const;
  // The five rows of the selected log's summary; empty without a selection.
  std::vector<XdslSummaryRow> SummaryRows() const;
  // The last log received for the selected entry, if any.
  const XdslLog* SelectedLog() const;
  // "Показать график": receives the selected entry's log (0x6C) for the
  // chart. False without a selection or when a step failed (its message
  // shown).
  bool ReceiveSelectedLog();
  // The chart of the selected entry's last received log; none before one was
  // received.
  std::optional<ChartFigure> SelectedChart() const;
  // "Сохранить график...": asks for a PNG file and writes the picture that
  // `draw` makes of the selected log's chart (the bytes of a PNG file; empty
  // when it could not be drawn) beside it, then over it. A file that cannot
  // be written shows its name as the text and "Ошибка создания файла" as the
  // caption. False when nothing was written (no chart, cancelled or failed).
  using ChartDrawer = std::function<std::string(const ChartFigure& chart)>;
  bool SaveChart(const ChartDrawer& draw);

 private:
  bool SaveOne(size_t index);

  XdslLayout layout_;
  std::vector<XdslLogEntry> entries_;
  std::vector<bool> marks_;
  std::vector<std::optional<XdslLog>> logs_;
  std::optional<size_t> selected_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_LOG_PAGE_H_
