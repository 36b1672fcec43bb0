// The UI-neutral controller of one page of the main window.
//
// The main window creates every page once, at start, for all kinds, and only
// shows and hides them (see page_registry.h). A page owns its received-data
// buffers and the user's selection; it reaches the instrument only through the
// link's Exchange, reads the kind and serial number from InstrumentInfo, and
// talks to the person at the screen only through Screen. Its Qt view (a
// PageView, gui/page_view.h) subscribes to Changed() and redraws from the
// page's accessors.
#ifndef TELVANE_PAGE_INSTRUMENT_PAGE_H_
#define TELVANE_PAGE_INSTRUMENT_PAGE_H_

#include <functional>
#include <optional>
#include <string>

#include "base/screen.h"
#include "page/link_control.h"
#include "page/options.h"
#include "page/page_id.h"

namespace telvane {

// What the pages of the current session learnt from the instrument and the main
// window needs for its tabs: the version that the kind's first page read (the
// firmware of kinds 11, 12 and 16, the sheet version of kind 13, the instrument
// version of kinds 17 and 18). Cleared when a session ends or a search starts.
struct SessionFacts {
  std::optional<float> version;
  // The number of xDSL logs the instrument holds (kinds 11, 12 and 16: byte 14
  // of the database information record), which the xDSL page's list needs.
  std::optional<unsigned> xdsl_logs;
};

// Everything a page may use, shared by all pages of the window. Pages reach
// the instrument only through it: the transactions of the exchange table, the
// session channel of the cable meters' serial transfers and what the search's
// initial transfer brought. Screen is also where every transfer shows its
// progress and messages.
struct PageContext {
  Screen& screen;
  LinkControl& link;
  const AppOptions& options;
  SessionFacts& facts;

  // The connected instrument's descriptor (kind, serial number, address).
  InstrumentInfo& instrument() { return link.info(); }
  Transactions& transactions() { return link.transactions(); }
  // nullptr while no serial session is open.
  ByteChannel* session_channel() { return link.session_channel(); }
  const InitialData& initial() { return link.initial(); }
};

// Commands of the main window's menus that reach a page.
enum class MenuCommand {
  kOpenBase,
  kOpenText,
  kSaveBase,
  kSaveAsText,
  kSaveExcel,
  kCreateDatabase,
  kExit,
  kClose,
  kHelp,
  kAbout,
};

class InstrumentPage {
 public:
  // `title` is the page's own title, a source text for translation.
  InstrumentPage(PageContext& context, PageId id, std::string title);
  virtual ~InstrumentPage() = default;
  InstrumentPage(const InstrumentPage&) = delete;
  InstrumentPage& operator=(const InstrumentPage&) = delete;

  PageId id() const { return id_; }
  const std::string& title() const { return title_; }

  // Frees what was received from the instrument (at start and when a session
  // ends).
  virtual void ClearBuffers() {}
  // The page's part of its kind's first transfer (the kind table, app/kind_table.h): run once
  // the window is visible and after every successful search.
  virtual void Start() {}
  // The page's part of the search, for the kinds whose initial transfer
  // belongs to a page (kind 2's type-database status): run on the search port
  // right after the instrument was synchronised. False when it failed (it has
  // shown its message).
  virtual bool SearchTransfer(ByteChannel& channel) { return true; }
  // Forgets a reading in progress ("Конец связи" resets the kind 9 page).
  virtual void Reset() {}
  // A file-menu or database-menu command; false when the page has none.
  virtual bool HandleMenu(MenuCommand command) { return false; }
  // Edits not yet stored (asked about before a search, "Конец связи" and
  // closing), saving them, and marking them stored.
  virtual bool HasUnsavedData() const { return false; }
  virtual void SaveData() {}
  virtual void MarkSaved() {}

  // The view's redraw; called by the page whenever what it shows changed.
  void SetChangedHook(std::function<void()> hook) { changed_ = std::move(hook); }

 protected:
  void Changed() {
    if (changed_) changed_();
  }
  PageContext& context() { return context_; }
  Screen& screen() { return context_.screen; }
  LinkControl& link() { return context_.link; }

 private:
  PageContext& context_;
  PageId id_;
  std::string title_;
  std::function<void()> changed_;
};

// A page of a later part of the program that today shows only its title.
class EmptyPage : public InstrumentPage {
 public:
  using InstrumentPage::InstrumentPage;
};

}  // namespace telvane

#endif  // TELVANE_PAGE_INSTRUMENT_PAGE_H_
