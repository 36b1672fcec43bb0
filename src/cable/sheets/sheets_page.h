// The sheet page of kinds 13 and 14 ("БД Измерений"): the list of measurement
// sheets and notebook entries received from the instrument ("Список листов:"),
// the status of the database, the information text of the selected entry
// ("Информация:") and its report ("Сохранить...").
//
// Kind 13 from sheet version 302 on shows a second page in place of the
// first, whose "Принять..." receives the sheets again; both pages show the
// one SheetModel.
#ifndef TELVANE_CABLE_SHEETS_SHEETS_PAGE_H_
#define TELVANE_CABLE_SHEETS_SHEETS_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "cable/sheets/sheet_catalog.h"
#include "cable/sheets/sheet_record.h"
#include "page/instrument_page.h"

namespace telvane {

// What the two pages share: the catalogue, the sheets, the notebook and the
// selected entry.
struct SheetModel {
  bool has_catalog = false;
  SheetCatalog catalog;
  std::vector<SheetRecord> sheets;
  std::vector<NotebookRecord> notebook;
  int selected = -1;

  void Clear() { *this = SheetModel{}; }
};

class SheetsPage : public InstrumentPage {
 public:
  SheetsPage(PageContext& context, std::shared_ptr<SheetModel> model);

  // --- What the view shows ------------------------------------------------
  // The sheets, then the notebook entries.
  std::vector<std::string> Entries() const;
  // "Измерений нет" or "Измерения есть".
  std::string Status() const;
  // The information text of the selected entry (empty without one).
  std::string Information() const;
  int selected() const { return model_->selected; }
  const SheetModel& model() const { return *model_; }

  // --- The person's actions -----------------------------------------------
  void Select(int entry);
  // "Сохранить...": the report of the selected entry. False when nothing
  // was written.
  bool Save();

  // --- Transfers ------------------------------------------------------------
  // The catalogue (0x70); kind 13 keeps its version for the tabs.
  bool ReadCatalog();
  // The sheets (0x71) and, when the catalogue asks for them, the notebook
  // (0x72); the model changes only when all arrived.
  bool ReceiveSheets();

  // --- InstrumentPage ---------------------------------------------------------
  // The catalogue, then the sheets, unless kind 13's second page reads them.
  void Start() override;
  void ClearBuffers() override;

 protected:
  SheetsPage(PageContext& context, PageId id, std::shared_ptr<SheetModel> model);

 private:
  std::shared_ptr<SheetModel> model_;
};

// Kind 13's second page, from sheet version 302: the same list with
// "Принять...".
class SheetsReceivePage : public SheetsPage {
 public:
  SheetsReceivePage(PageContext& context, std::shared_ptr<SheetModel> model);

  // "Принять...": the catalogue again, then the sheets.
  bool Receive() { return ReadCatalog() && ReceiveSheets(); }
  // The first page has just read the catalogue.
  void Start() override { ReceiveSheets(); }
};

}  // namespace telvane

#endif  // TELVANE_CABLE_SHEETS_SHEETS_PAGE_H_
