// The open and save dialogs of the file pages.
#ifndef TELVANE_TESTERS_FILES_FILE_DIALOGS_H_
#define TELVANE_TESTERS_FILES_FILE_DIALOGS_H_

#include <string>

#include "base/screen.h"

namespace telvane {

// "cablebase", "db", "SQLite 2.1 database *.db".
FileDialog CablebaseDialog();
// "sysinfo", no extension, "system information" with an empty pattern.
FileDialog SysinfoDialog();
// "vetra", "update", "Vetra Update File *.update".
FileDialog UpdateDialog();
// "*.ldr" as text and pattern.
FileDialog LoaderDialog();
// "msk", "Mask Files *.msk".
FileDialog MaskDialog();
// A received file: its last path component as the name, "*." and the text
// after its last "." as the filter (no filter without one).
FileDialog ReceivedFileDialog(const std::string& remote_name);
// A received mask: its name, "*" and its extension as the filter.
FileDialog ReceivedMaskDialog(const std::string& remote_name);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_DIALOGS_H_
