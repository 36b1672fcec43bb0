// Sending one long addressed record over the serial port in chunks: the
// address, the data and the 8-bit sum written chunk by chunk with the port's
// time-outs set to 30 000 ms, then the 9-byte confirmation read byte by byte.
// The files of an instrument's file system (its database, its software
// updates) go this way; small records use the exchange's SendRecord.
#ifndef TELVANE_LINK_LONG_RECORD_H_
#define TELVANE_LINK_LONG_RECORD_H_

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "base/screen.h"
#include "link/byte_channel.h"
#include "link/instrument_info.h"

namespace telvane {

// The read time-out while a long record is sent and confirmed.
inline constexpr int kLongRecordTimeoutMs = 30000;

// How the frame is cut into writes.
struct LongRecordChunks {
  // The first chunk's size, then every further chunk's.
  size_t first = 50;
  size_t next = 50;
  // The pause after every chunk.
  std::chrono::milliseconds pause{0};
};

// 50-byte chunks without pauses: a database file, a "*.update" file.
inline constexpr LongRecordChunks kFileChunks{50, 50, std::chrono::milliseconds(0)};
// The address alone, then 1024-byte chunks, 10 ms after each: a "*.ldr" file.
inline constexpr LongRecordChunks kLoaderChunks{7, 1024, std::chrono::milliseconds(10)};

// Sleeps for the pause between chunks; tests count the pauses instead.
using ChunkPause = std::function<void(std::chrono::milliseconds)>;

// Sends address + `data` + sum and reads the confirmation, which must repeat
// the address, carry the byte 0xFE (the complement of 1) and a right sum. The
// bar shows bytes sent * 100 / frame length after every chunk. Failures show
// "Ошибка посылки буфера", "Ошибка приема подтверждения", "Таймаут приема
// подтверждения" or "Ошибка байта подтверждения" (a confirmation with a wrong
// address or sum fails without a message). The channel's read time-out is put
// back as it was on every way out (5000 ms when the channel cannot tell).
bool SendLongRecord(ByteChannel& channel, Screen& screen, const Address& address,
                    std::span<const uint8_t> data, const LongRecordChunks& chunks,
                    const ChunkPause& pause = {});

}  // namespace telvane

#endif  // TELVANE_LINK_LONG_RECORD_H_
