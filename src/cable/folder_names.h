// Folder names made from cable names, kept inside the folder the user chose.
#ifndef TELVANE_CABLE_FOLDER_NAMES_H_
#define TELVANE_CABLE_FOLDER_NAMES_H_

#include <string>

namespace telvane {

// A cable name as one folder name: separators become '_', and "." or ".."
// becomes "_", so the result never leaves the folder it is joined to.
std::string SafeFolderName(const std::string& name);

// `folder` and `name` joined by one '/'.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace telvane

#endif  // TELVANE_CABLE_FOLDER_NAMES_H_
