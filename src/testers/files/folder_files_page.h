// The measurement folders of an instrument whose paths use "\": one list item
// per top-level folder, a whole folder received into a folder on this
// computer, a folder deleted, and a "*.ldr" software update sent into the
// instrument's folder "UPDATE\".
#ifndef TELVANE_TESTERS_FILES_FOLDER_FILES_PAGE_H_
#define TELVANE_TESTERS_FILES_FOLDER_FILES_PAGE_H_

#include <optional>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "testers/files/file_records.h"
#include "testers/files/file_service.h"

namespace telvane {

class FolderFilesPage : public InstrumentPage {
 public:
  FolderFilesPage(PageContext& context, PageId id, ChunkPause pause = {});

  void Start() override { List(); }
  void ClearBuffers() override;

  // 0x0D: the entries in the browser's order, and each top-level folder once,
  // in the order of its first entry.
  bool List();
  // "Принять от прибора...": every file of the selected folder into a folder
  // chosen on this computer.
  bool ReceiveSelected();
  // "Удалить на приборе...".
  bool DeleteSelected();
  // "Обновить ПО прибора...".
  bool UpdateSoftware();

  void Select(std::optional<size_t> index);
  const std::vector<RemoteEntry>& entries() const { return entries_; }
  const std::vector<std::string>& folders() const { return folders_; }
  std::optional<size_t> selected() const { return selected_; }
  bool actions_enabled() const { return selected_.has_value(); }

 private:
  // One entry of the selected folder received under `local_root`; false ends
  // the loop.
  bool ReceiveEntry(const RemoteEntry& entry, const std::string& local_root);

  FileService service_;
  std::vector<RemoteEntry> entries_;
  std::vector<std::string> folders_;
  std::optional<size_t> selected_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FOLDER_FILES_PAGE_H_
