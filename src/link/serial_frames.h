// The frames of frame_codec.h moved over a byte channel one byte per write and
// read, as the serial link does: a read that moves no byte is a time-out. The
// routines only move bytes and return a FrameStatus; each transfer shows its
// own messages for it (frame_messages.h).
#ifndef TELVANE_LINK_SERIAL_FRAMES_H_
#define TELVANE_LINK_SERIAL_FRAMES_H_

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/byte_channel.h"
#include "link/frame_codec.h"
#include "link/instrument_info.h"
#include "link/transfer_progress.h"

namespace telvane {

// Writes the bytes one at a time, advancing `progress` by one per byte.
FrameStatus WriteBytes(ByteChannel& channel, std::span<const uint8_t> bytes,
                       TransferProgress* progress = nullptr);

// Reads `out.size()` bytes one at a time. `done` receives how many came.
FrameStatus ReadBytes(ByteChannel& channel, std::span<uint8_t> out, size_t* done = nullptr);

// Reads a 9-byte reply: kTimeout when one of its first 8 bytes did not come,
// kSumTimeout when its sum byte did not.
FrameStatus ReadReply(ByteChannel& channel, Frame9& reply);

// Writes the 9-byte frame ending in `code` (a command, or a record number in
// place of the code) and checks its answer: the sum, then the address and the
// complement of `code`. `reply` receives the answer as read;
// `reply_complete` tells whether all 9 bytes of it arrived.
FrameStatus SendCommandFrame(ByteChannel& channel, const Address& address, uint8_t code,
                             Frame9* reply = nullptr, bool* reply_complete = nullptr);

// Reads one addressed record frame (address, [number], data, sum) into
// `frame`, advancing `progress` by one per data byte; then checks it
// (CheckRecord). `missing` receives the frame index of the byte that did not
// come; a missing number byte is kNumberTimeout.
FrameStatus ReadRecordFrame(ByteChannel& channel, std::span<uint8_t> frame, bool numbered,
                            const Address& address, bool compare_address,
                            TransferProgress* progress = nullptr, size_t* missing = nullptr);

// Writes the record confirmation: address, byte, sum.
FrameStatus WriteConfirmation(ByteChannel& channel, const Address& address, uint8_t byte);

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_FRAMES_H_
