// "Частотные измерения" of the line tester: the six kinds of records in a
// choice (codes 0x01, 0x02, 0x03, 0x04, 0x08, 0x0A), every stored record of
// the chosen kind received, shown as text and written as a report.
#ifndef TELVANE_TESTERS_LINE_LINE_RECORDS_PAGE_H_
#define TELVANE_TESTERS_LINE_LINE_RECORDS_PAGE_H_

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "storage/chart/chart_model.h"
#include "testers/line/line_pages.h"

namespace telvane {

class LineRecordsPage : public InstrumentPage {
 public:
  LineRecordsPage(PageContext& context, std::shared_ptr<LineTesterState> state);

  void ClearBuffers() override;

  // The entries of the kind choice, in code order.
  static std::vector<std::string> Choices();
  // Receives every record of choice `choice` (0 … 5); any other value shows
  // "Обратитесь к разработчикам" (caption "Ошибка!!!"). The information record
  // is received first when this session has none. The records held before
  // are replaced only on success.
  bool Receive(int choice);

  std::optional<LineRecordKind> kind() const { return kind_; }
  size_t record_count() const { return record_size_ == 0 ? 0 : records_.size() / record_size_; }
  std::span<const uint8_t> Record(size_t index) const;
  float version() const { return version_; }
  // Every record as "Запись № %.2d" and its text (CR LF lines).
  std::string Text() const;
  // The level-over-frequency points of record `index` (empty for the ADSL
  // kinds).
  std::vector<LinePoint> Points(size_t index) const;
  // The chart of record `index` (all level records together, whichever is
  // chosen); empty for the ADSL kinds and without records.
  ChartFigure Chart(size_t index) const;
  // The save dialog of the chart's picture; nullopt when cancelled.
  std::optional<std::string> ChooseChartPng();
  // Asks for a file and writes the report; false when nothing was written.
  bool SaveReport();
  // Writes the report to `path`; false when a record could not be written.
  bool WriteReport(const std::string& path) const;

 private:
  std::shared_ptr<LineTesterState> state_;
  std::optional<LineRecordKind> kind_;
  std::vector<uint8_t> records_;
  size_t record_size_ = 0;
  float version_ = 0;
  // The instrument that sent the records, for the report.
  std::string instrument_name_;
  std::string serial_text_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_RECORDS_PAGE_H_
