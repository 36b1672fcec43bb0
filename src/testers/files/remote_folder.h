// The instrument's current folder as the file browser and the masks page
// share it: the folder last sent with the change-folder command, so that a
// folder already current is not sent again. Each page keeps the folder it
// shows itself.
#ifndef TELVANE_TESTERS_FILES_REMOTE_FOLDER_H_
#define TELVANE_TESTERS_FILES_REMOTE_FOLDER_H_

#include <string>

#include "testers/files/file_service.h"

namespace telvane {

class RemoteFolder {
 public:
  // Sends `folder` (0x10) when it differs from the folder last sent, or when
  // `force` is set. The folder counts as sent only once the instrument took
  // it.
  bool Change(FileService& service, const std::string& folder, bool force);
  // A new session: nothing sent yet.
  void Reset() { last_sent_.clear(); }

 private:
  std::string last_sent_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_REMOTE_FOLDER_H_
