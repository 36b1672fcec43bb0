// The files of the cable-parameter meters: the binary cable-base file and its
// text report, and the binary and text cable-type files. Each operation works
// on a path the user chose, reports its own faults through the Screen and
// returns whether it succeeded; a file that is rejected changes nothing in
// memory.
#ifndef TELVANE_CABLE_CABLE_FILES_H_
#define TELVANE_CABLE_CABLE_FILES_H_

#include <string>

#include "base/screen.h"
#include "cable/cable_database.h"

namespace telvane {

// The open and save dialogs of the four formats.
FileDialog CableBaseFileDialog();
FileDialog CableTypeFileDialog();
FileDialog CableTypeTextDialog();
FileDialog CableBaseReportDialog();

// The header and the header's current number of cables.
bool SaveCableBaseFile(Screen& screen, const CableBase& base, const std::string& path);
// Replaces the header and the first n records when the file holds exactly a
// header and the n records it announces.
bool LoadCableBaseFile(Screen& screen, CableBase& base, const std::string& path);

// 32-byte records, names padded with NUL.
bool SaveCableTypeFile(Screen& screen, const CableTypeTable& table, const std::string& path);
// Up to 100 records; they become the table, every type selected.
bool LoadCableTypeFile(Screen& screen, CableTypeTable& table, const std::string& path);

bool SaveCableTypeText(Screen& screen, const CableTypeTable& table, const std::string& path);
bool LoadCableTypeText(Screen& screen, CableTypeTable& table, const std::string& path);

// The table of every property of every cable, one column per cable.
bool SaveCableBaseReport(Screen& screen, const CableBase& base, const std::string& path);

// The bytes of the text forms, as they are written.
std::string CableTypeText(const CableTypeTable& table);
std::string CableBaseReport(const CableBase& base);

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_FILES_H_
