// Shared by the trace reader fuzz targets: a person at the screen who sees
// nothing and answers nothing, and the input written to a file the readers
// can open.
#ifndef TELVANE_FUZZ_FUZZ_SUPPORT_H_
#define TELVANE_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/screen.h"

namespace telvane::fuzz {

class SilentScreen : public Screen {
 public:
  void ShowMessage(Icon, const std::string&, const std::string&) override {}
  Answer AskYesNo(Icon, const std::string&, const std::string&) override { return Answer::kNo; }
  Answer AskYesNoCancel(Icon, const std::string&, const std::string&) override {
    return Answer::kCancel;
  }
  std::optional<FileChoice> ChooseOpenFile(const FileDialog&) override { return std::nullopt; }
  std::optional<FileChoice> ChooseSaveFile(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }
  std::optional<int> ChooseFromList(const std::string&, const std::vector<std::string>&,
                                    int) override {
    return std::nullopt;
  }
  void ShowProgress(bool) override {}
  void SetProgressRange(int, int) override {}
  void SetProgress(int) override {}
  void SetWaitCursor(bool) override {}
  bool IsEscapeDown() override { return false; }
  void Repaint() override {}
  DateTime Now() override { return {}; }
};

// Writes the bytes to this process's scratch file with the given extension and
// returns its path.
std::string WriteInput(const uint8_t* data, size_t size, const char* extension);

// The firmware a selector byte stands for: 8.000, 8.007, 8.024 or 8.025.
int FirmwareOf(uint8_t selector);

}  // namespace telvane::fuzz

#endif  // TELVANE_FUZZ_FUZZ_SUPPORT_H_
