// The page of the text-protocol instrument: the planned measurements that the
// instrument sent, one line per record.
#ifndef TELVANE_APP_TEXT_PLANNED_PAGE_H_
#define TELVANE_APP_TEXT_PLANNED_PAGE_H_

#include <string>
#include <vector>

#include "page/instrument_page.h"

namespace telvane {

class TextPlannedPage : public InstrumentPage {
 public:
  explicit TextPlannedPage(PageContext& context);

  void SetRecords(std::vector<TextPlannedRecord> records);
  const std::vector<TextPlannedRecord>& records() const { return records_; }
  // The column headings of the list and one row per record: the two numbers,
  // then the six values as the program formats measurements ("-" for a value
  // not measured).
  static std::vector<std::string> Headings();
  std::vector<std::vector<std::string>> Rows() const;

  void ClearBuffers() override;

  // "Сохранить...": the records as a CSV text (CP1251, CR LF, ';'), to a file
  // the user chooses. True when it was written.
  bool Save();
  // The CSV text that Save writes (UTF-8): a heading line, then one line per
  // record with the values in nF and kOhm ("-" for a value not measured).
  std::string CsvText() const;

 private:
  std::vector<TextPlannedRecord> records_;
};

}  // namespace telvane

#endif  // TELVANE_APP_TEXT_PLANNED_PAGE_H_
