// Writes one Excel 2.1 worksheet (a single-sheet BIFF2 stream) record by
// record, straight to the file. Every report that the program saves as
// "Microsoft Excel 2.1 Worksheet (*.xls)" goes through this class; the report
// code decides fonts, cell formats, column widths and where each cell goes.
//
// Calling order of a report:
//   1. Open(path)                          BOF, CODEPAGE 1251
//   2. WriteFont("arial", 10, 0), WriteFont("arial", 10, 1)   optional:
//      font 0 plain, font 1 bold
//   3. WriteFormatIndex(n) + WriteCellFormat(font, align) for n = 0, 1, ...
//      optional; a cell selects format n through attribute byte 0
//   4. WriteColumnWidth(first, last, chars, 255)  a later, narrower range
//      overrides an earlier wider one
//   5. WriteInteger / WriteNumber / WriteLabel, row by row
//   6. Close()                             EOF, then the file is released
//
// Every operation returns true when its record was written whole. None shows a
// message and none stops the report: the caller ANDs every result and, after
// Close, shows "Ошибка создание файла" (caption "Ошибка") once when the
// combined result is false. When the file could not be created every later
// operation fails, so the one message covers it. A partly written file stays on
// disk.
//
// Cell attribute bytes are passed through exactly as given: byte 0 holds the
// XF index in its low 6 bits, byte 1 the number-format and font bits (callers
// pass 0), byte 2 the horizontal alignment in bits 0-2 (0 general, 1 left,
// 2 centred, 3 right) and the left/right/top/bottom border bits 3-6.
//
// Rows and columns are 0-based. Text (labels, font names) is the program's
// UTF-8 and is written in CP1251; it is cut after 255 CP1251 bytes because the
// length field is one byte.
#ifndef TELVANE_STORAGE_WORKSHEET_WRITER_H_
#define TELVANE_STORAGE_WORKSHEET_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/posix_file.h"

namespace telvane {

class WorksheetWriter {
 public:
  // Longest label text or font name, in CP1251 bytes.
  static constexpr size_t kMaxText = 255;
  // The code page the CODEPAGE record announces (Windows Cyrillic).
  static constexpr uint16_t kCodePage = 1251;

  WorksheetWriter() = default;
  // Releases a file that Close was not called for, without writing EOF (the
  // file is then not a complete worksheet).
  ~WorksheetWriter();
  WorksheetWriter(const WorksheetWriter&) = delete;
  WorksheetWriter& operator=(const WorksheetWriter&) = delete;

  // Creates (or replaces) the file, locked for this writer alone, and writes
  // BOF and CODEPAGE. Fails at once, writing nothing, when the file cannot be
  // created or locked; fails when either record cannot be written. A file still
  // open from an earlier Open is released first.
  bool Open(const std::string& path);
  // FONT: height = `points` × 20 twips; `attributes` 0 plain, 1 bold.
  bool WriteFont(std::string_view face_name, int points, uint16_t attributes);
  // IXFE with the low 8 bits of `index` (300 writes 44).
  bool WriteFormatIndex(int index);
  // XF: font index, number format 0, not locked or hidden, the alignment and
  // border byte as given.
  bool WriteCellFormat(uint8_t font_index, uint8_t alignment);
  // COLWIDTH for columns first..last: the width word's high byte is `chars`,
  // its low byte `fraction` (1/256 characters; callers pass 255).
  bool WriteColumnWidth(uint8_t first_column, uint8_t last_column, uint8_t chars, uint8_t fraction);
  bool WriteInteger(uint16_t row, uint16_t column, uint8_t attribute0, uint16_t value,
                    uint8_t attribute1, uint8_t attribute2);
  bool WriteNumber(uint16_t row, uint16_t column, uint8_t attribute0, double value,
                   uint8_t attribute1, uint8_t attribute2);
  bool WriteLabel(uint16_t row, uint16_t column, uint8_t attribute0, std::string_view text,
                  uint8_t attribute1, uint8_t attribute2);
  // Writes EOF and releases the file; the file is released even when EOF could
  // not be written (the result is then false).
  bool Close();

  bool is_open() const { return file_.valid(); }
  // The byte count the last write call reported (-1 after a failed call).
  long last_write_count() const { return last_write_count_; }

 private:
  // Writes type, length and `data` in one write call of 4 + data size bytes.
  bool WriteRecord(uint16_t type, const uint8_t* data, size_t size);
  void Release();

  PosixFile file_;
  long last_write_count_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_WORKSHEET_WRITER_H_
