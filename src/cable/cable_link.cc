#include "cable/cable_link.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {

const TransferMessages kFullFamilyMessages = {"Error",      "WriteFile()",
                                              "ReadFile()", "TIMEOUT!",
                                              "TIMEOUT!",   "TIMEOUT чтения записи!\r\n байт № %d"};

const TransferMessages kCompactMessages = {"Ошибка",
                                           "Ошибка передачи информации",
                                           "Ошибка приема информации",
                                           "Время ожидания вышло!",
                                           "Время ожидания вышло!",
                                           "Время ожидания вышло!\r\n байт № %d"};

void TransferProgress::Show() {
  screen_.SetProgressRange(0, 100);
  screen_.SetProgress(0);
  screen_.ShowProgress(true);
  last_ = 0;
  shown_ = true;
}

void TransferProgress::Advance(size_t bytes) {
  done_ += bytes;
  if (!shown_ || total_ == 0) return;
  const int position = static_cast<int>(std::min<size_t>(done_, total_) * 100 / total_);
  if (position != last_) {
    screen_.SetProgress(position);
    last_ = position;
  }
}

void TransferProgress::Hide() {
  if (shown_) screen_.ShowProgress(false);
  shown_ = false;
}

void CableLink::Error(const char* text) {
  screen_.ShowMessage(Icon::kError, messages_.caption, text);
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

bool CableLink::Write(std::span<const uint8_t> bytes, TransferProgress* progress) {
  for (const uint8_t b : bytes) {
    if (!port_.WriteByte(b)) {
      Error(messages_.write_failed);
      return false;
    }
    if (progress != nullptr) progress->Advance();
  }
  return true;
}

bool CableLink::ReadOne(uint8_t& byte, bool& failed) {
  switch (port_.ReadByte(byte)) {
    case ByteChannel::Read::kByte:
      return true;
    case ByteChannel::Read::kTimeout:
      return false;
    case ByteChannel::Read::kError:
      Error(messages_.read_failed);
      failed = true;
      return false;
  }
  return false;
}

CableLink::Answer CableLink::ReadAnswer(uint8_t code, uint8_t* answer, uint8_t* sum) {
  bool failed = false;
  for (size_t i = 0; i < 8; ++i) {
    if (!ReadOne(answer[i], failed)) return failed ? Answer::kFailed : Answer::kTimeout;
  }
  if (!ReadOne(*sum, failed)) return failed ? Answer::kFailed : Answer::kSumTimeout;
  if (Sum8({answer, 8}) != *sum) return Answer::kBadSum;
  if (!std::equal(address_.begin(), address_.end(), answer) ||
      static_cast<uint8_t>(~answer[7]) != code) {
    return Answer::kMismatch;
  }
  return Answer::kOk;
}

bool CableLink::SendCommand(uint8_t code) {
  std::array<uint8_t, 9> frame;
  std::copy(address_.begin(), address_.end(), frame.begin());
  frame[7] = code;
  frame[8] = Sum8(std::span(frame).first(8));
  if (!Write(frame)) return false;
  uint8_t answer[8];
  uint8_t sum = 0;
  switch (ReadAnswer(code, answer, &sum)) {
    case Answer::kOk:
      return true;
    case Answer::kTimeout:
      Error(messages_.command_timeout);
      break;
    case Answer::kSumTimeout:
      Error(messages_.command_sum_timeout);
      break;
    case Answer::kFailed:
      break;
    case Answer::kBadSum:
      Error("Неверная контрольная сумма подтверждения команды");
      break;
    case Answer::kMismatch:
      Error("Ошибка подтверждения команды");
      break;
  }
  return false;
}

bool CableLink::SendIndex(uint8_t index, bool report_sums) {
  std::array<uint8_t, 9> frame;
  std::copy(address_.begin(), address_.end(), frame.begin());
  frame[7] = index;
  frame[8] = Sum8(std::span(frame).first(8));
  if (!Write(frame)) return false;
  uint8_t answer[8];
  uint8_t sum = 0;
  switch (ReadAnswer(index, answer, &sum)) {
    case Answer::kOk:
      return true;
    case Answer::kTimeout:
    case Answer::kSumTimeout:
      Error("TIMEOUT подтверждения номера записи!");
      break;
    case Answer::kFailed:
      break;
    case Answer::kBadSum:
      Error("Неверная контрольная сумма подтверждения № записи");
      if (report_sums) {
        Error(Sprintf("Test=%u ,Control=%u", static_cast<unsigned>(Sum8({answer, 8})),
                      static_cast<unsigned>(sum))
                  .c_str());
      }
      break;
    case Answer::kMismatch:
      Error("Ошибка подтверждения № записи");
      break;
  }
  return false;
}

bool CableLink::SendRecord(uint8_t number, std::span<const uint8_t> data,
                           TransferProgress* progress) {
  std::array<uint8_t, 8> header;
  std::copy(address_.begin(), address_.end(), header.begin());
  header[7] = number;
  const uint8_t sum = static_cast<uint8_t>(Sum8(header) + Sum8(data));
  if (!Write(header) || !Write(data, progress) || !Write(std::span(&sum, 1))) return false;
  uint8_t answer[8];
  uint8_t answer_sum = 0;
  switch (ReadAnswer(number, answer, &answer_sum)) {
    case Answer::kOk:
      return true;
    case Answer::kTimeout:
      Error("TIMEOUT подтверждения получения записи!");
      screen_.ShowMessage(Icon::kError, "debug",
                          Sprintf("%x %x %x %x %x %x %x %x ", header[0], header[1], header[2],
                                  header[3], header[4], header[5], header[6], header[7]));
      break;
    case Answer::kSumTimeout:
      Error("TIMEOUT получения контрольной суммы подтверждения!");
      break;
    case Answer::kFailed:
      break;
    case Answer::kBadSum:
      Error("Неверная контрольная сумма подтверждения записи");
      break;
    case Answer::kMismatch:
      Error("Ошибка подтверждения номера записи");
      break;
  }
  return false;
}

bool CableLink::ReceiveRecord(const ReceiveRules& rules, std::span<uint8_t> data, uint8_t* number,
                              TransferProgress* progress) {
  const size_t head = rules.numbered ? 8 : 7;
  std::vector<uint8_t> frame(head + data.size() + 1);
  bool failed = false;
  for (size_t i = 0; i < frame.size(); ++i) {
    if (!ReadOne(frame[i], failed)) {
      if (failed) return false;
      if (rules.timeout_text != nullptr) {
        Error(rules.timeout_text);
      } else {
        Error(Sprintf(messages_.record_timeout, static_cast<int>(i)).c_str());
      }
      return false;
    }
    if (progress != nullptr && i >= head && i < head + data.size()) progress->Advance();
  }
  if (Sum8(std::span(frame).first(frame.size() - 1)) != frame.back()) {
    Error(rules.sum_text != nullptr ? rules.sum_text
          : rules.type_checks       ? "Неверная контрольная сумма"
                              : "Неверная контрольная сумма записи");
    return false;
  }
  if (rules.type_checks) {
    if (frame[0] != address_[0]) {
      Error("Неверный VendorID!");
      return false;
    }
    if (!std::equal(address_.begin() + 1, address_.end(), frame.begin() + 1)) {
      Error("Неверный SerialNumber!");
      return false;
    }
  } else if (!std::equal(address_.begin(), address_.end(), frame.begin())) {
    Error("Ошибка адреса");
    return false;
  }
  const uint8_t code = rules.numbered ? frame[7] : frame[head + rules.confirm_data_index];
  std::array<uint8_t, 9> confirm;
  std::copy(address_.begin(), address_.end(), confirm.begin());
  confirm[7] = static_cast<uint8_t>(~code);
  confirm[8] = Sum8(std::span(confirm).first(8));
  if (!Write(confirm)) return false;
  std::copy(frame.begin() + static_cast<std::ptrdiff_t>(head),
            frame.begin() + static_cast<std::ptrdiff_t>(head + data.size()), data.begin());
  if (number != nullptr && rules.numbered) *number = frame[7];
  return true;
}

}  // namespace telvane
