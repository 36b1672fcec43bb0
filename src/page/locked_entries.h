// The marks and the cursor of a cable list page, with its locked leading
// entries.
//
// The "/i0B:N" option of the command line (AppOptions::locked_leading_entries)
// locks the first N entries of every cable list: they are shown, but they can
// be neither the cursor's entry nor checked, so no transfer of marked cables
// ever touches them. Where a page resets its selection "to the first entry",
// the first selectable entry is meant; a list with no selectable entry has no
// selection (-1).
//
// Because a locked entry is never checked, "every cable is marked" only holds
// for a list without locked entries: a page that sends or receives the whole
// database when every cable is marked sends the marked cables one by one
// instead, and the locked entries in the instrument stay untouched.
#ifndef TELVANE_PAGE_LOCKED_ENTRIES_H_
#define TELVANE_PAGE_LOCKED_ENTRIES_H_

#include <vector>

#include "page/options.h"

namespace telvane {

class CableCheckList {
 public:
  // `locked`: the number of leading entries that cannot be selected; negative
  // values count as 0.
  explicit CableCheckList(int locked = 0);
  static CableCheckList FromOptions(const AppOptions& options) {
    return CableCheckList(options.locked_leading_entries);
  }

  int locked() const { return locked_; }
  int size() const { return static_cast<int>(checks_.size()); }
  // True for an entry of the list that is not locked.
  bool Selectable(int entry) const { return entry >= locked_ && entry < size(); }
  // The first selectable entry; -1 when there is none.
  int FirstSelectable() const { return locked_ < size() ? locked_ : -1; }

  // The list now has `size` entries: marks of the remaining entries are kept,
  // new entries get `check` (locked ones never), and a cursor that no longer
  // points at a selectable entry moves to the first selectable one.
  void Resize(int size, bool check = false);
  // Forgets every entry.
  void Clear();
  // The list was replaced by one of `size` entries: no entry is checked and
  // the cursor stays at its place, moved into the list when it is beyond it
  // and to the first selectable entry when that place is locked.
  void Refill(int size);

  bool checked(int entry) const;
  // Refused (false) for a locked entry or one beyond the list.
  bool SetChecked(int entry, bool on);
  // Checks or unchecks every selectable entry.
  void CheckAll(bool on);
  bool AnyChecked() const;
  // True when every entry of a non-empty list is checked, which a list with a
  // locked entry never is.
  bool AllChecked() const;
  // The checked entries in list order.
  std::vector<int> Checked() const;

  // The cursor's entry; -1 when the list has no selectable entry.
  int selected() const { return selected_; }
  // Refused (false, the cursor stays) for a locked entry or one beyond the
  // list.
  bool Select(int entry);
  void SelectFirst() { selected_ = FirstSelectable(); }

 private:
  int locked_;
  std::vector<bool> checks_;
  int selected_ = -1;
};

}  // namespace telvane

#endif  // TELVANE_PAGE_LOCKED_ENTRIES_H_
