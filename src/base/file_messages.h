// The captions of the file failures and the box that shows them: the file name
// as text, the failure as caption, an error icon.
#ifndef TELVANE_BASE_FILE_MESSAGES_H_
#define TELVANE_BASE_FILE_MESSAGES_H_

#include <string>

#include "base/screen.h"

namespace telvane {

inline constexpr char kCreateFileError[] = "Ошибка создания файла";
inline constexpr char kWriteFileError[] = "Ошибка записи в файл";
inline constexpr char kOpenFileError[] = "Ошибка открытия файла";
inline constexpr char kReadFileError[] = "Ошибка чтения файла";

inline void ShowFileError(Screen& screen, const char* caption, const std::string& path) {
  screen.ShowMessage(Icon::kError, caption, path);
}

}  // namespace telvane

#endif  // TELVANE_BASE_FILE_MESSAGES_H_
