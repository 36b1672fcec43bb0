// The file browser of an instrument with a Linux file system: one folder at a
// time below "/mnt/ext2/", folders opened by double click, single files
// received, files and folders deleted.
#ifndef TELVANE_TESTERS_FILES_FILE_BROWSER_PAGE_H_
#define TELVANE_TESTERS_FILES_FILE_BROWSER_PAGE_H_

#include <memory>
#include <optional>
#include <vector>

#include "page/instrument_page.h"
#include "testers/files/file_records.h"
#include "testers/files/file_service.h"
#include "testers/files/remote_folder.h"
#include "testers/files/remote_paths.h"

namespace telvane {

class FileBrowserPage : public InstrumentPage {
 public:
  // `folder` is shared with the masks page.
  FileBrowserPage(PageContext& context, PageId id, std::shared_ptr<RemoteFolder> folder);

  // Sends the current folder (forced) and lists it.
  void Start() override;
  void ClearBuffers() override;

  // Change folder (0x10 only when it differs from the last sent, or forced).
  bool ChangeFolder(const std::string& folder, bool force);
  // 0x0D: the shown folder's entries (sent first when the instrument's
  // folder is another); the first is selected.
  bool List();
  // A double click: ".." goes up, another folder goes down; then change
  // folder and list. A file does nothing.
  bool Open(size_t index);
  // "Сменить папку": opens the selected folder.
  bool OpenSelected();
  // "Принять от прибора...", "Удалить на приборе...".
  bool ReceiveSelected();
  bool DeleteSelected();

  void Select(std::optional<size_t> index);
  const std::vector<RemoteEntry>& entries() const { return entries_; }
  std::optional<size_t> selected() const { return selected_; }
  const std::string& current_folder() const { return current_; }

  bool receive_enabled() const;
  bool delete_enabled() const;
  bool change_enabled() const;

 private:
  const RemoteEntry* Selected() const;

  FileService service_;
  std::shared_ptr<RemoteFolder> folder_;
  // The folder shown; entries are selected on the instrument by this folder
  // and their name, whatever folder the masks page changed to since.
  std::string current_ = kRootFolder;
  std::vector<RemoteEntry> entries_;
  std::optional<size_t> selected_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_BROWSER_PAGE_H_
