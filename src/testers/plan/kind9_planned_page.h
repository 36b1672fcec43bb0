// Kind 9's planned measurements ("База плановых измерений") of the cable
// under the cable list's cursor: one row per pair, the pair number and the
// capacitances and insulation resistances (AC, BC, AB) as FormatMeasurement
// writes them, "НЕТ ИЗМЕРЕНИЙ" where not measured. "Принять" reads the
// cable's pairs, "Сохранить..." exports them to a CSV file.
#ifndef TELVANE_TESTERS_PLAN_KIND9_PLANNED_PAGE_H_
#define TELVANE_TESTERS_PLAN_KIND9_PLANNED_PAGE_H_

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "cable/planned_csv.h"
#include "page/instrument_page.h"
#include "testers/plan/kind9_database.h"

namespace telvane {

class Kind9PlannedPage : public InstrumentPage {
 public:
  static constexpr size_t kColumns = 7;
  using Row = std::array<std::string, kColumns>;

  Kind9PlannedPage(PageContext& context, std::shared_ptr<Kind9Database> database);

  // --- What the view shows ------------------------------------------------
  static const std::array<const char*, kColumns>& Headings();
  // "Кабель №%u: %s" of the cursor's cable; empty without one.
  std::string CableText() const;
  // The cursor's cable counted from 1 (0 for none) and its name.
  unsigned cable_number() const;
  std::string cable_name() const;
  std::vector<Row> Rows() const;

  // --- The person's actions -----------------------------------------------
  bool Receive();  // "Принять"
  bool Save();     // "Сохранить..."

  // The cursor's cable in the CSV file's form (number from 1, pairs as read).
  CsvCable CsvOfSelected() const;

  void ClearBuffers() override { database_->Reset(); }
  void Reset() override { database_->Reset(); }

 private:
  std::shared_ptr<Kind9Database> database_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_KIND9_PLANNED_PAGE_H_
