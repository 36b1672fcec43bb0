// What a frame fault shows: one table per family of transfers (and per step
// where a family words a step its own way) gives the text of every status and
// the caption; a status without a text fails silently.
#ifndef TELVANE_LINK_FRAME_MESSAGES_H_
#define TELVANE_LINK_FRAME_MESSAGES_H_

#include <string>

#include "base/screen.h"
#include "link/frame_codec.h"

namespace telvane {

struct FrameTexts {
  const char* caption = "Ошибка";
  const char* write_failed = nullptr;
  const char* read_failed = nullptr;
  // May hold one %d: the index of the byte that did not come.
  const char* timeout = nullptr;
  const char* sum_timeout = nullptr;
  const char* number_timeout = nullptr;
  const char* bad_length = nullptr;
  const char* bad_sum = nullptr;
  const char* bad_echo = nullptr;
  const char* bad_kind = nullptr;
  const char* bad_serial = nullptr;
  const char* bad_confirm = nullptr;
  const char* resend = nullptr;

  // The text of `status`, nullptr when it shows nothing (and for kOk).
  const char* Text(FrameStatus status) const;
};

// The message of `status`, with `position` filled into a %d; empty when the
// status shows nothing.
std::string FrameFaultText(const FrameTexts& texts, FrameStatus status, int position = 0);

// Shows the fault of `status` (error icon, the table's caption) unless it is
// kOk or silent. Returns status == kOk.
bool ReportFrame(Screen& screen, const FrameTexts& texts, FrameStatus status, int position = 0);

// --- The exchange operations over the serial port ----------------------------
// SendCommand and Disconnect.
extern const FrameTexts kSerialCommandTexts;
// SendRecord: the address, the data, the sum written; the 8 reply bytes; the
// reply's sum byte; the checks of the reply.
extern const FrameTexts kSerialSendAddressTexts;
extern const FrameTexts kSerialSendDataTexts;
extern const FrameTexts kSerialSendSumTexts;
extern const FrameTexts kSerialReplyTexts;
extern const FrameTexts kSerialReplySumTexts;
extern const FrameTexts kSerialReplyCheckTexts;

// --- The exchange operations over the IrDA socket ----------------------------
// SendCommand's reply (an address or code mismatch is silent).
extern const FrameTexts kIrdaCommandTexts;
// A received record's checks.
extern const FrameTexts kIrdaRecordTexts;
// A sent record's confirmation (a foreign address is silent).
extern const FrameTexts kIrdaRecordConfirmTexts;
// A raw block's confirmation byte.
extern const FrameTexts kIrdaBlockConfirmTexts;

// --- The initial transfers of the search -----------------------------------
extern const FrameTexts kKind6InitialTexts;
extern const FrameTexts kCompactInitialTexts;

}  // namespace telvane

#endif  // TELVANE_LINK_FRAME_MESSAGES_H_
