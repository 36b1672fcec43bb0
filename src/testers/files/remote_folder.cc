#include "testers/files/remote_folder.h"

namespace telvane {

bool RemoteFolder::Change(FileService& service, const std::string& folder, bool force) {
  if (!force && folder == last_sent_) return true;
  last_sent_.clear();
  if (!service.ChangeFolder(folder)) return false;
  last_sent_ = folder;
  return true;
}

}  // namespace telvane
