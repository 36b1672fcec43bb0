// Writes a whole file with create, write and close, replacing what was there.
#ifndef TELVANE_BASE_FILE_WRITE_H_
#define TELVANE_BASE_FILE_WRITE_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace telvane {

enum class WriteResult { kWritten, kNotCreated, kNotWritten };

// Creates or truncates `path` and writes all `length` bytes; a short write is
// continued, a failed write or close is kNotWritten.
WriteResult WriteWholeFile(const std::string& path, const uint8_t* data, size_t length);

}  // namespace telvane

#endif  // TELVANE_BASE_FILE_WRITE_H_
