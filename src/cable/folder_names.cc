#include "cable/folder_names.h"

namespace telvane {

std::string SafeFolderName(const std::string& name) {
  std::string out = name;
  for (char& c : out) {
    if (c == '/') c = '_';
  }
  if (out == "." || out == "..") out = "_";
  return out;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace telvane
