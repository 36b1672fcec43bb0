// Receiving one listed file of the instrument and saving it where the person
// chooses: select its path, receive it, then the save dialog.
#ifndef TELVANE_TESTERS_FILES_RECEIVE_FILE_H_
#define TELVANE_TESTERS_FILES_RECEIVE_FILE_H_

#include "base/screen.h"
#include "testers/files/file_records.h"
#include "testers/files/file_service.h"

namespace telvane {

// Refuses a size above the limit before anything is sent; a cancelled dialog
// discards what came.
bool ReceiveToFile(FileService& service, Screen& screen, const RemoteEntry& entry,
                   const FileDialog& dialog);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_RECEIVE_FILE_H_
