#include "testers/e1/e1_page_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/file_write.h"
#include "base/posix_file.h"
#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr size_t kTextField = 256;
constexpr size_t kVersionOffset = 256;
constexpr float kVersion = 1.0f;

constexpr char kBadSize[] = "Неверный размер файла";

void Show(Screen& screen, const std::string& path, const std::string& text) {
  screen.ShowMessage(Icon::kError, path, text);
}

}  // namespace

FileDialog E1PageFileDialog() {
  FileDialog dialog;
  dialog.filters = {{"VS-E1 Page Data File(*.vse1page)", "*.vse1page"}};
  dialog.default_extension = "vse1page";
  return dialog;
}

std::vector<uint8_t> BuildE1PageFile(const E1File& file) {
  std::vector<uint8_t> bytes(kE1PageEmptySize + file.records.size() * E1Record::kSize, 0);
  std::memcpy(bytes.data(), kE1PageFileText, sizeof(kE1PageFileText));
  StoreLeFloat(kVersion, &bytes[kVersionOffset]);
  const auto& header = file.header.bytes();
  std::copy_n(header.begin() + kE1BlockOffset, kE1BlockSize, bytes.begin() + kE1PageHeaderSize);
  size_t at = kE1PageRecordsOffset;
  for (const E1Record& record : file.records) {
    std::copy(record.bytes().begin(), record.bytes().end(), bytes.begin() + at);
    at += E1Record::kSize;
  }
  int unused = 0;
  const uint16_t crc = Crc16Check(0, unused, bytes.data(), bytes.size());
  bytes[at] = static_cast<uint8_t>(crc);
  bytes[at + 1] = static_cast<uint8_t>(crc >> 8);
  return bytes;
}

E1PageParse ParseE1PageFile(std::span<const uint8_t> bytes) {
  E1PageParse parse;
  // Fewer than the two CRC bytes: there is nothing to check the CRC over.
  if (bytes.size() < 2) {
    parse.status = E1PageStatus::kBadSize;
    return parse;
  }
  int mismatch = 0;
  parse.computed_crc = Crc16Check(1, mismatch, bytes.data(), bytes.size());
  if (mismatch != 0) {
    parse.status = E1PageStatus::kBadCrc;
    return parse;
  }
  // Whole records only, none overlapping the CRC.
  if (bytes.size() < kE1PageEmptySize || (bytes.size() - kE1PageEmptySize) % E1Record::kSize != 0 ||
      bytes.size() > kE1PageMaxSize) {
    parse.status = E1PageStatus::kBadSize;
    return parse;
  }
  const auto text_end = std::find(bytes.begin(), bytes.begin() + kTextField, uint8_t{0});
  if (std::string(bytes.begin(), text_end) != kE1PageFileText) {
    parse.status = E1PageStatus::kBadHeaderText;
    return parse;
  }
  if (LoadLeFloat(&bytes[kVersionOffset]) != kVersion) {
    parse.status = E1PageStatus::kBadVersion;
    return parse;
  }
  std::copy_n(bytes.begin() + kE1PageHeaderSize, kE1BlockSize, parse.block.begin());
  const size_t count = (bytes.size() - kE1PageEmptySize) / E1Record::kSize;
  parse.records.resize(count);
  for (size_t i = 0; i < count; ++i) {
    parse.records[i].Assign(
        bytes.subspan(kE1PageRecordsOffset + i * E1Record::kSize, E1Record::kSize));
  }
  return parse;
}

std::string E1PageMessage(const E1PageParse& parse) {
  switch (parse.status) {
    case E1PageStatus::kOk:
      return {};
    case E1PageStatus::kBadCrc:
      return "Файл повреждён\r\nили имеет неправильный формат\r\nCRC-CCITT16: " +
             Sprintf("0x%2.2x", static_cast<unsigned>(parse.computed_crc));
    case E1PageStatus::kBadSize:
      return kBadSize;
    case E1PageStatus::kBadHeaderText:
      return "Неверная строка заголовка файла";
    case E1PageStatus::kBadVersion:
      return "Неверная версия файла";
  }
  return {};
}

bool SaveE1PageFile(Screen& screen, const E1File& file, const std::string& path) {
  const std::vector<uint8_t> bytes = BuildE1PageFile(file);
  // The new file takes the place of an old one only once it is complete.
  std::optional<FileReplacement> out = FileReplacement::Begin(path);
  if (!out) {
    Show(screen, path, "Ошибка создания файла");
    return false;
  }
  // One write of the whole file, as the format is written: fewer bytes than
  // asked is its own failure.
  ssize_t written = 0;
  do {
    written = ::write(out->file().fd(), bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) {
    Show(screen, path, "Ошибка записи в файл");
    return false;
  }
  if (static_cast<size_t>(written) != bytes.size()) {
    Show(screen, path, "Ошибка размера файла");
    return false;
  }
  if (!out->Commit()) {
    Show(screen, path, "Ошибка записи в файл");
    return false;
  }
  return true;
}

bool LoadE1PageFile(Screen& screen, const std::string& path, E1File& file) {
  PosixFile input = PosixFile::OpenRegularForReading(path);
  const std::optional<uint64_t> size = input.Size();
  if (!input.valid() || !size) {
    Show(screen, path, "Ошибка открытия файла");
    return false;
  }
  // A file longer than the longest page file is refused before it is read.
  if (*size > kE1PageMaxSize) {
    Show(screen, path, kBadSize);
    return false;
  }
  const auto bytes = input.ReadAll(static_cast<size_t>(*size));
  if (!bytes) {
    Show(screen, path, "Ошибка чтения файла");
    return false;
  }
  if (bytes->size() < *size) {
    Show(screen, path, "Ошибка размера файла");
    return false;
  }
  E1PageParse parse = ParseE1PageFile(*bytes);
  if (parse.status != E1PageStatus::kOk) {
    Show(screen, path, E1PageMessage(parse));
    return false;
  }
  auto& header = file.header.mutable_bytes();
  std::copy(parse.block.begin(), parse.block.end(), header.begin() + kE1BlockOffset);
  file.records = std::move(parse.records);
  file.header.set_raw_count(static_cast<int32_t>(file.records.size()));
  file.header.set_has_measurement(!file.records.empty());
  return true;
}

}  // namespace telvane
