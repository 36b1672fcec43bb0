// The instrument's current folder as the file browser and the masks page
// share it: the folder shown, and the folder last sent with the change-folder
// command, so that a folder already current is not sent again.
#ifndef TELVANE_TESTERS_FILES_REMOTE_FOLDER_H_
#define TELVANE_TESTERS_FILES_REMOTE_FOLDER_H_

#include <string>

#include "testers/files/file_service.h"
#include "testers/files/remote_paths.h"

namespace telvane {

class RemoteFolder {
 public:
  const std::string& current() const { return current_; }

  // Makes `folder` current; sends it (0x10) when it differs from the folder
  // last sent, or when `force` is set. The folder counts as sent only once
  // the instrument took it.
  bool Change(FileService& service, const std::string& folder, bool force);
  // A new session: the browser's first folder, nothing sent yet.
  void Reset() {
    current_ = kRootFolder;
    last_sent_.clear();
  }

 private:
  std::string current_ = kRootFolder;
  std::string last_sent_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_REMOTE_FOLDER_H_
