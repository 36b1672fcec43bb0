#include "cable/cable_link.h"

#include <algorithm>
#include <vector>

#include "base/sprintf.h"
#include "base/values.h"
#include "link/frame_codec.h"
#include "link/serial_frames.h"

namespace telvane {

void CableLink::Error(const char* text) {
  screen_.ShowMessage(Icon::kError, texts_.command.caption, text);
}

bool CableLink::Prepare(size_t input_queue, size_t output_queue, int timeout_ms) {
  port_.Purge();
  port_.SetQueues(input_queue, output_queue);
  if (!port_.SetEventMask()) {
    Error("Ошибка установка маски");
    return false;
  }
  return SetTimeout(timeout_ms);
}

bool CableLink::SetTimeout(int timeout_ms) {
  if (!port_.SetReadTimeout(timeout_ms)) {
    Error("Ошибка установки новых таймаутов");
    return false;
  }
  return true;
}

bool CableLink::Restore() {
  if (!port_.SetReadTimeout(5000)) {
    Error("Ошибка восстановления таймаутов");
    return false;
  }
  return true;
}

bool CableLink::SendCommand(uint8_t code) {
  return ReportFrame(screen_, texts_.command, SendCommandFrame(port_, address_, code));
}

bool CableLink::SendIndex(uint8_t index, bool report_sums) {
  Frame9 reply{};
  const FrameStatus status = SendCommandFrame(port_, address_, index, &reply);
  if (ReportFrame(screen_, texts_.index, status)) return true;
  if (status == FrameStatus::kBadSum && report_sums) {
    Error(Sprintf("Test=%u ,Control=%u",
                  static_cast<unsigned>(Sum8(std::span<const uint8_t>(reply).first(8))),
                  static_cast<unsigned>(reply[8]))
              .c_str());
  }
  return false;
}

bool CableLink::SendRecord(uint8_t number, std::span<const uint8_t> data,
                           TransferProgress* progress) {
  const std::vector<uint8_t> frame = RecordFrame(address_, number, data);
  const std::span<const uint8_t> bytes(frame);
  FrameStatus status = WriteBytes(port_, bytes.first(8));
  if (status == FrameStatus::kOk)
    status = WriteBytes(port_, bytes.subspan(8, data.size()), progress);
  if (status == FrameStatus::kOk) status = WriteBytes(port_, bytes.last(1));
  Frame9 reply{};
  if (status == FrameStatus::kOk) status = ReadReply(port_, reply);
  if (status == FrameStatus::kOk) status = CheckCommandReply(reply, address_, number);
  if (ReportFrame(screen_, texts_.send_record, status)) return true;
  if (status == FrameStatus::kTimeout) {
    screen_.ShowMessage(Icon::kError, "debug",
                        Sprintf("%x %x %x %x %x %x %x %x ", frame[0], frame[1], frame[2], frame[3],
                                frame[4], frame[5], frame[6], frame[7]));
  }
  return false;
}

bool CableLink::ReceiveRecord(const ReceiveRules& rules, std::span<uint8_t> data, uint8_t* number,
                              TransferProgress* progress) {
  const FrameTexts& texts = rules.texts == ReceiveRules::Texts::kTypeRecord   ? texts_.type_record
                            : rules.texts == ReceiveRules::Texts::kDateRecord ? texts_.date_record
                                                                              : texts_.record;
  const size_t head = rules.numbered ? 8 : 7;
  std::vector<uint8_t> frame(RecordFrameLength(data.size(), rules.numbered));
  size_t missing = 0;
  const FrameStatus status =
      ReadRecordFrame(port_, frame, rules.numbered, address_, true, progress, &missing);
  if (!ReportFrame(screen_, texts, status, static_cast<int>(missing))) return false;
  const uint8_t code = rules.numbered ? frame[7] : frame[head + rules.confirm_data_index];
  if (!ReportFrame(screen_, texts, WriteConfirmation(port_, address_, Complement(code)))) {
    return false;
  }
  std::copy_n(frame.begin() + static_cast<std::ptrdiff_t>(head), data.size(), data.begin());
  if (number != nullptr && rules.numbered) *number = frame[7];
  return true;
}

}  // namespace telvane
