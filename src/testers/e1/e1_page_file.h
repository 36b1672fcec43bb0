// The page file of the E1 results page ("*.vse1page"): one measurement file
// as the page holds it.
//
//   0    260        "VS-E1 PAGE FILE", NUL, zero bytes to 256, float32 1.0
//   260  100        bytes 96-195 of the file header
//   360  n x 328    the records in order
//   end  2          CRC-16/CCITT-FALSE of all bytes before, low byte first
//
// The record count is not stored; it follows from the length.
#ifndef TELVANE_TESTERS_E1_E1_PAGE_FILE_H_
#define TELVANE_TESTERS_E1_E1_PAGE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/screen.h"
#include "testers/e1/e1_records.h"

namespace telvane {

inline constexpr char kE1PageFileText[] = "VS-E1 PAGE FILE";
inline constexpr size_t kE1PageHeaderSize = 260;
inline constexpr size_t kE1PageRecordsOffset = 360;
inline constexpr size_t kE1PageEmptySize = 362;
// The longest page file: a file of the most records a file holds.
inline constexpr size_t kE1PageMaxSize = kE1PageEmptySize + kE1MaxRecords * E1Record::kSize;

FileDialog E1PageFileDialog();

// The bytes of the page file of `file`.
std::vector<uint8_t> BuildE1PageFile(const E1File& file);

// Why a page file was refused, in the order the checks run.
enum class E1PageStatus { kOk, kBadCrc, kBadSize, kBadHeaderText, kBadVersion };

struct E1PageParse {
  E1PageStatus status = E1PageStatus::kOk;
  uint16_t computed_crc = 0;  // for kBadCrc
  // For kOk: the 100-byte block and the records.
  std::array<uint8_t, kE1BlockSize> block{};
  std::vector<E1Record> records;
};

// Checks and reads the bytes of a whole page file; never reads outside them.
E1PageParse ParseE1PageFile(std::span<const uint8_t> bytes);

// The message of a refused page file (the caption is the file name).
std::string E1PageMessage(const E1PageParse& parse);

// Writes the page file of `file` to `path` (caption: the file name); false
// after the message.
bool SaveE1PageFile(Screen& screen, const E1File& file, const std::string& path);
// Reads the page file at `path` into `file`; a refused file shows its message
// and leaves `file` unchanged. The header bytes outside the block say that the
// file holds the loaded number of records.
bool LoadE1PageFile(Screen& screen, const std::string& path, E1File& file);

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_PAGE_FILE_H_
