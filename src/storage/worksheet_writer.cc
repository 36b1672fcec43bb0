#include "storage/worksheet_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "base/cp1251.h"
#include "base/posix_file.h"

namespace telvane {
namespace {

constexpr uint16_t kBof = 0x0009;
constexpr uint16_t kCodePageRecord = 0x0042;
constexpr uint16_t kFont = 0x0031;
constexpr uint16_t kIxfe = 0x0044;
constexpr uint16_t kXf = 0x0043;
constexpr uint16_t kInteger = 0x0002;
constexpr uint16_t kNumber = 0x0003;
constexpr uint16_t kLabel = 0x0004;
constexpr uint16_t kColWidth = 0x0024;
constexpr uint16_t kEof = 0x000A;

constexpr uint16_t kBiffVersion = 2;
constexpr uint16_t kWorksheet = 0x0010;

void Put16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value & 0xFF);
  at[1] = static_cast<uint8_t>(value >> 8);
}

// Row, column and the three attribute bytes that open every cell record.
void PutCellHeader(uint8_t* at, uint16_t row, uint16_t column, uint8_t a0, uint8_t a1, uint8_t a2) {
  Put16(at, row);
  Put16(at + 2, column);
  at[4] = a0;
  at[5] = a1;
  at[6] = a2;
}

// The CP1251 form of `text`, cut after the 255 bytes a length byte can count.
std::string ShortText(std::string_view text) {
  std::string bytes = Utf8ToCp1251(text);
  if (bytes.size() > WorksheetWriter::kMaxText) bytes.resize(WorksheetWriter::kMaxText);
  return bytes;
}

}  // namespace

WorksheetWriter::~WorksheetWriter() { Release(); }

void WorksheetWriter::Release() { file_.Close(); }

bool WorksheetWriter::WriteRecord(uint16_t type, const uint8_t* data, size_t size) {
  if (!file_.valid()) return false;
  std::array<uint8_t, 4 + 4 + WorksheetWriter::kMaxText + 8> record;
  Put16(record.data(), type);
  Put16(record.data() + 2, static_cast<uint16_t>(size));
  if (size > 0) std::memcpy(record.data() + 4, data, size);
  const size_t total = 4 + size;
  ssize_t written;
  do {
    written = ::write(file_.fd(), record.data(), total);
  } while (written < 0 && errno == EINTR);
  last_write_count_ = written;
  return written == static_cast<ssize_t>(total);
}

bool WorksheetWriter::Open(const std::string& path) {
  Release();
  PosixFile file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
  if (!file.valid()) return false;
  // No sharing while the report is written: a second writer on the same file
  // fails instead of interleaving records. The file is emptied only once the
  // lock is held, so a refused Open leaves the other writer's file intact.
  struct stat info;
  const bool locked = ::flock(file.fd(), LOCK_EX | LOCK_NB) == 0 && ::fstat(file.fd(), &info) == 0;
  if (!locked || (S_ISREG(info.st_mode) && ::ftruncate(file.fd(), 0) != 0)) return false;
  file_ = std::move(file);
  uint8_t bof[4];
  Put16(bof, kBiffVersion);
  Put16(bof + 2, kWorksheet);
  uint8_t codepage[2];
  Put16(codepage, kCodePage);
  const bool bof_ok = WriteRecord(kBof, bof, sizeof bof);
  const bool codepage_ok = WriteRecord(kCodePageRecord, codepage, sizeof codepage);
  return bof_ok && codepage_ok;
}

bool WorksheetWriter::WriteFont(std::string_view face_name, int points, uint16_t attributes) {
  const std::string name = ShortText(face_name);
  std::array<uint8_t, 5 + kMaxText> data;
  Put16(data.data(), static_cast<uint16_t>(points * 20));
  Put16(data.data() + 2, attributes);
  data[4] = static_cast<uint8_t>(name.size());
  std::memcpy(data.data() + 5, name.data(), name.size());
  return WriteRecord(kFont, data.data(), 5 + name.size());
}

bool WorksheetWriter::WriteFormatIndex(int index) {
  uint8_t data[2] = {static_cast<uint8_t>(index & 0xFF), 0};
  return WriteRecord(kIxfe, data, sizeof data);
}

bool WorksheetWriter::WriteCellFormat(uint8_t font_index, uint8_t alignment) {
  uint8_t data[4] = {font_index, 0, 0, alignment};
  return WriteRecord(kXf, data, sizeof data);
}

bool WorksheetWriter::WriteColumnWidth(uint8_t first_column, uint8_t last_column, uint8_t chars,
                                       uint8_t fraction) {
  uint8_t data[4] = {first_column, last_column, fraction, chars};
  return WriteRecord(kColWidth, data, sizeof data);
}

bool WorksheetWriter::WriteInteger(uint16_t row, uint16_t column, uint8_t attribute0,
                                   uint16_t value, uint8_t attribute1, uint8_t attribute2) {
  uint8_t data[9];
  PutCellHeader(data, row, column, attribute0, attribute1, attribute2);
  Put16(data + 7, value);
  return WriteRecord(kInteger, data, sizeof data);
}

bool WorksheetWriter::WriteNumber(uint16_t row, uint16_t column, uint8_t attribute0, double value,
                                  uint8_t attribute1, uint8_t attribute2) {
  uint8_t data[15];
  PutCellHeader(data, row, column, attribute0, attribute1, attribute2);
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) data[7 + i] = static_cast<uint8_t>(bits >> (8 * i));
  return WriteRecord(kNumber, data, sizeof data);
}

bool WorksheetWriter::WriteLabel(uint16_t row, uint16_t column, uint8_t attribute0,
                                 std::string_view text, uint8_t attribute1, uint8_t attribute2) {
  const std::string bytes = ShortText(text);
  std::array<uint8_t, 8 + kMaxText> data;
  PutCellHeader(data.data(), row, column, attribute0, attribute1, attribute2);
  data[7] = static_cast<uint8_t>(bytes.size());
  std::memcpy(data.data() + 8, bytes.data(), bytes.size());
  return WriteRecord(kLabel, data.data(), 8 + bytes.size());
}

bool WorksheetWriter::Close() {
  const bool eof_ok = WriteRecord(kEof, nullptr, 0);
  if (!file_.valid()) return false;
  const bool close_ok = file_.Close();
  return eof_ok && close_ok;
}

}  // namespace telvane
