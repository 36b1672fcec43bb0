#include "link/frame_messages.h"

#include <cstring>

#include "base/sprintf.h"

namespace telvane {

const char* FrameTexts::Text(FrameStatus status) const {
  switch (status) {
    case FrameStatus::kOk:
      return nullptr;
    case FrameStatus::kWriteFailed:
      return write_failed;
    case FrameStatus::kReadFailed:
      return read_failed;
    case FrameStatus::kTimeout:
      return timeout;
    case FrameStatus::kSumTimeout:
      return sum_timeout;
    case FrameStatus::kNumberTimeout:
      return number_timeout;
    case FrameStatus::kBadLength:
      return bad_length;
    case FrameStatus::kBadSum:
      return bad_sum;
    case FrameStatus::kBadEcho:
      return bad_echo;
    case FrameStatus::kBadKind:
      return bad_kind;
    case FrameStatus::kBadSerial:
      return bad_serial;
    case FrameStatus::kBadConfirm:
      return bad_confirm;
    case FrameStatus::kResend:
      return resend;
  }
  return nullptr;
}

std::string FrameFaultText(const FrameTexts& texts, FrameStatus status, int position) {
  const char* text = texts.Text(status);
  if (text == nullptr) return {};
  if (std::strstr(text, "%d") != nullptr) return Sprintf(text, position);
  return text;
}

bool ReportFrame(Screen& screen, const FrameTexts& texts, FrameStatus status, int position) {
  if (status == FrameStatus::kOk) return true;
  const std::string text = FrameFaultText(texts, status, position);
  if (!text.empty()) screen.ShowMessage(Icon::kError, texts.caption, text);
  return false;
}

const FrameTexts kSerialCommandTexts = {
    .write_failed = "Ошибка передачи информации",
    .read_failed = "Ошибка приема информации",
    .timeout = "Время ожидания вышло!",
    .sum_timeout = "Время ожидания вышло!",
    .bad_sum = "Неверная контрольная сумма подтверждения команды",
    .bad_echo = "Ошибка подтверждения команды",
};

const FrameTexts kSerialSendAddressTexts = {.write_failed = "Ошибка посылки адреса"};
const FrameTexts kSerialSendDataTexts = {.write_failed = "Ошибка посылки записи"};
const FrameTexts kSerialSendSumTexts = {.write_failed = "Ошибка посылки КС записи"};
const FrameTexts kSerialReplyTexts = {
    .read_failed = "Ошибка приема подтверждения",
    .timeout = "Таймаут приема подтверждения",
};
const FrameTexts kSerialReplySumTexts = {
    .read_failed = "Ошибка приема КС записи",
    .timeout = "Таймаут приема КС записи",
};
const FrameTexts kSerialReplyCheckTexts = {
    .bad_sum = "Неверная КС подтверждения записи",
    .bad_echo = "Ошибка подтверждения команды",
    .bad_confirm = "Ошибка байта подтверждения",
};

const FrameTexts kIrdaCommandTexts = {
    .bad_length = "Неправильное подтверждение комманды",
    .bad_sum = "Ошибка внутренней КС",
};
const FrameTexts kIrdaRecordTexts = {
    .bad_sum = "Ошибка внутренней КС записи",
    .bad_kind = "Ошибка VendorID",
    .bad_serial = "Ошибка адреса",
};
const FrameTexts kIrdaRecordConfirmTexts = {
    .bad_length = "Неверный размер подтверждения",
    .bad_sum = "Неверная КС подтверждения записи",
    .bad_confirm = "Неверное подтверждение записи",
};
const FrameTexts kIrdaBlockConfirmTexts = {
    .bad_length = "Неверный размер подтверждения",
    .bad_confirm = "Неверное подтверждение записи",
};

const FrameTexts kKind6InitialTexts = {
    .caption = "Error",
    .write_failed = "WriteFile()",
    .read_failed = "ReadFile()",
    .timeout = "TIMEOUT!",
    .sum_timeout = "TIMEOUT!",
    .number_timeout = "TIMEOUT Nom_Rec!",
    .bad_sum = "Неверная контрольная сумма",
    .bad_echo = "Ошибка подтверждения команды",
    .bad_kind = "Неверный VendorID!",
    .bad_serial = "Неверный SerialNumber!",
    .bad_confirm = "Ошибка подтверждения команды",
};

const FrameTexts kCompactInitialTexts = {
    .write_failed = "Ошибка при передаче информации",
    .read_failed = "Ошибка при приеме информации",
    .timeout = "Время ожидания вышло!",
    .sum_timeout = "Время ожидания вышло!",
    .number_timeout = "Время ожидания вышло!",
    .bad_sum = "Неверная контрольная сумма",
    .bad_echo = "Ошибка подтверждения команды",
    .bad_kind = "Неверный ТИП ПРИБОРА!",
    .bad_serial = "Неверный СЕРИЙНЫЙ НОМЕР ПРИБОРА!",
    .bad_confirm = "Ошибка подтверждения команды",
};

}  // namespace telvane
