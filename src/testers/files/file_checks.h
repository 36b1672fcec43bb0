// Checks of the files the person sends to the instrument: a software update
// ("*.update", its last byte the 8-bit sum of the others) and a mask
// ("*.msk", short lines of numbers).
#ifndef TELVANE_TESTERS_FILES_FILE_CHECKS_H_
#define TELVANE_TESTERS_FILES_FILE_CHECKS_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace telvane {

inline constexpr char kBadUpdateFile[] = "Неверный файл обновления!";

// The data an update file of n bytes sends: the first n - 1 bytes, byte i
// XORed with (i + 1) mod 256, when the last byte equals the 8-bit sum of the
// others as read; nullopt when it does not, or the file is empty.
std::optional<std::vector<uint8_t>> UpdateFileCheck(std::span<const uint8_t> file);

// A mask file's name ends in ".msk" (in any case).
bool IsMaskFileName(std::string_view name);

inline constexpr char kBadMaskExtension[] =
    "Данная маска не имеет правильного расширения \"msk\"\r\n \r\nи, как следствие, не может "
    "адекватно восприниматься прибором!!!";
inline constexpr char kMaskTooLarge[] = "Слишком большая маска!";
inline constexpr char kMaskSpoilt[] = "Файл маски испорчен!";

// The largest mask the instrument takes.
inline constexpr size_t kMaxMaskSize = 65536;

// Whether every line of a mask is valid: lines end with LF (a CR before it is
// dropped); after its leading blanks and tabs a line is empty, has "=" as its
// first or second character, or holds only digits, "+", "-", ".", ",", blanks
// and tabs. A line of 255 characters or more makes the mask invalid.
bool MaskLinesValid(std::string_view text);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_CHECKS_H_
