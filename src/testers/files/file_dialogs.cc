#include "testers/files/file_dialogs.h"

#include "testers/files/remote_paths.h"

namespace telvane {

FileDialog CablebaseDialog() {
  return {.filters = {{"SQLite 2.1 database *.db", "*.db"}},
          .default_extension = "db",
          .default_name = "cablebase"};
}

FileDialog SysinfoDialog() {
  return {.filters = {{"system information", ""}}, .default_name = "sysinfo"};
}

FileDialog UpdateDialog() {
  return {.filters = {{"Vetra Update File *.update", "*.update"}},
          .default_extension = "update",
          .default_name = "vetra"};
}

FileDialog LoaderDialog() { return {.filters = {{"*.ldr", "*.ldr"}}}; }

FileDialog MaskDialog() {
  return {.filters = {{"Mask Files *.msk", "*.msk"}}, .default_extension = "msk"};
}

FileDialog ReceivedFileDialog(const std::string& remote_name) {
  FileDialog dialog{.default_name = LastComponent(remote_name)};
  const std::string extension = Extension(dialog.default_name);
  if (!extension.empty()) {
    const std::string pattern = "*" + extension;
    dialog.filters = {{pattern, pattern}};
  }
  return dialog;
}

FileDialog ReceivedMaskDialog(const std::string& remote_name) {
  FileDialog dialog{.default_name = LastComponent(remote_name)};
  const std::string pattern = "*" + Extension(dialog.default_name);
  dialog.filters = {{pattern, pattern}};
  return dialog;
}

}  // namespace telvane
