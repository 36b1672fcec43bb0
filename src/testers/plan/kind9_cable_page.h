// Kind 9's cable list ("База параметров кабелей"): the cables of the
// database without the trailing "/i9:" records, one row each (number, name,
// pairs, length, sections in use, type). The first "/i0B:" rows can never be
// the cursor's. "Принять от прибора" reads every cable, "Принять запись" the
// cursor's cable again, "Передать в прибор" writes the parameters and the
// cables back (after a question), as the memory plan left them.
#ifndef TELVANE_TESTERS_PLAN_KIND9_CABLE_PAGE_H_
#define TELVANE_TESTERS_PLAN_KIND9_CABLE_PAGE_H_

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "testers/plan/kind9_database.h"

namespace telvane {

class Kind9CablePage : public InstrumentPage {
 public:
  static constexpr size_t kColumns = 6;
  using Row = std::array<std::string, kColumns>;

  Kind9CablePage(PageContext& context, std::shared_ptr<Kind9Database> database);

  // --- What the view shows ------------------------------------------------
  // "№", "Наименование кабеля", "Кол-во пар", "Длина, м", "Участки", "Тип".
  static const std::array<const char*, kColumns>& Headings();
  std::vector<Row> Rows() const;
  // The cursor's row; -1 for none.
  int cursor() const { return database_->selected(); }
  // Rows that can never be the cursor's (the first "/i0B:" ones).
  bool locked(int row) const;

  // --- The person's actions -----------------------------------------------
  // Puts the cursor on `row`; a locked or missing row is refused.
  bool Select(int row);
  bool Receive();          // "Принять от прибора"
  bool ReceiveSelected();  // "Принять запись"
  bool Send();             // "Передать в прибор"

  // --- InstrumentPage -------------------------------------------------------
  // Kind 9's first transfer reads the cables after the parameters.
  void Start() override { Receive(); }
  void ClearBuffers() override { database_->Reset(); }
  // "Конец связи": the reading is forgotten.
  void Reset() override { database_->Reset(); }

  const Kind9Database& database() const { return *database_; }

 private:
  // The first row that may hold the cursor, or -1.
  int FirstSelectable() const;

  std::shared_ptr<Kind9Database> database_;
  // The "/i0B:" option.
  const int locked_rows_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_KIND9_CABLE_PAGE_H_
