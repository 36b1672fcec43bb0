#include "testers/files/receive_file.h"

#include "testers/files/local_files.h"

namespace telvane {

bool ReceiveToFile(FileService& service, Screen& screen, const RemoteEntry& entry,
                   const FileDialog& dialog) {
  if (!AcceptRemoteSize(screen, entry.size)) return false;
  if (!service.SelectRemotePath(entry.name, entry.size)) return false;
  std::optional<std::vector<uint8_t>> bytes = service.ReceiveFile(entry.size);
  if (!bytes) return false;
  std::optional<FileChoice> choice = screen.ChooseSaveFile(dialog);
  if (!choice) return false;
  return SaveLocalFile(screen, choice->path, *bytes);
}

}  // namespace telvane
