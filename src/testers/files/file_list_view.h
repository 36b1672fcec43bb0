// What the Qt views of the file pages share: a list box that is rebuilt only
// when the texts it shows changed (a change of selection alone keeps its
// items, so a selection signal never sees its list rebuilt), and the person's
// choice of row handed back as an optional index.
#ifndef TELVANE_TESTERS_FILES_FILE_LIST_VIEW_H_
#define TELVANE_TESTERS_FILES_FILE_LIST_VIEW_H_

#include <QColor>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <optional>
#include <vector>

#include "testers/files/file_records.h"

namespace telvane::file_view {

// Folders are drawn blue, files in the list's own text colour.
inline const QColor kFolderColour(0, 0, 255);

// Shows `texts` (and `folders`, one flag per text, blue when set) in `list`
// and selects `selected`; no signal of the list reaches its receivers.
inline void ShowRows(QListWidget& list, const QStringList& texts, const std::vector<bool>& folders,
                     std::optional<size_t> selected) {
  const QSignalBlocker blocker(list);
  bool same = list.count() == texts.size();
  for (int i = 0; same && i < texts.size(); ++i) {
    const bool folder = i < static_cast<int>(folders.size()) && folders[i];
    same = list.item(i)->text() == texts[i] &&
           (list.item(i)->foreground().color() == kFolderColour) == folder;
  }
  if (!same) {
    list.clear();
    for (int i = 0; i < texts.size(); ++i) {
      auto* item = new QListWidgetItem(texts[i], &list);
      if (i < static_cast<int>(folders.size()) && folders[i]) item->setForeground(kFolderColour);
    }
  }
  if (selected && *selected < static_cast<size_t>(list.count())) {
    list.setCurrentRow(static_cast<int>(*selected));
  } else {
    list.setCurrentRow(-1);
    list.clearSelection();
  }
}

// The names of `entries`, folders flagged.
inline void ShowEntries(QListWidget& list, const std::vector<RemoteEntry>& entries,
                        std::optional<size_t> selected) {
  QStringList texts;
  std::vector<bool> folders;
  for (const RemoteEntry& entry : entries) {
    texts.push_back(QString::fromStdString(entry.name));
    folders.push_back(entry.is_folder());
  }
  ShowRows(list, texts, folders, selected);
}

// A row of the list as the page's index (nothing for -1).
inline std::optional<size_t> Row(int row) {
  return row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row));
}

}  // namespace telvane::file_view

#endif  // TELVANE_TESTERS_FILES_FILE_LIST_VIEW_H_
