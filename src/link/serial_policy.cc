// The exchange over the session serial port. The texts of the command and
// record frames come from the serial tables of frame_messages.h.
#include "link/exchange_policy.h"

namespace telvane {

namespace {

constexpr Message kNoData{"Запись", "Нет данных!!!"};
constexpr Message kNoAnswer{"Подтверждение", "Нет данных!!!"};

// The checks of a received record show nothing: a bad record is answered
// with 0 and asked for again.
const FrameTexts kSilentRecordCheck = {};
const FrameTexts kBlockCheck = {
    .caption = "Подтверждение",
    .bad_confirm = "Неверное подтверждение записи",
};

Message Texts(const FrameTexts& texts, const char* text) { return {texts.caption, text}; }

ExchangePolicy MakeSerialPolicy() {
  const Message command_timeout = Texts(kSerialCommandTexts, kSerialCommandTexts.timeout);
  const Message command_failed = Texts(kSerialCommandTexts, kSerialCommandTexts.read_failed);
  ExchangePolicy p;
  p.piece = 1;
  p.reply_in_one_read = false;
  p.retry_incomplete_record = true;
  p.retry_question = {"Вопрос", "Ошибка обмена данными.\r\nПовторить попытку?"};
  p.compare_received_address = false;
  p.record_sends = 1;
  p.record_confirm_rules = {.compare_address = true, .zero_asks_resend = false};
  p.bar_counts_frame = false;
  p.disconnect_rule = DisconnectRule::kClearIdentityWhenReplied;
  p.prepare_failed = {"Ошибка", "Ошибка установки таймаутов"};
  p.disconnect_prepare_failed = {"Error", "Ошибка установки новых таймаутов"};
  p.no_memory = {"Ошибка", "Выделение памяти под буфер записи провалено!"};
  p.command_send = Moves({}, Texts(kSerialCommandTexts, kSerialCommandTexts.write_failed));
  p.command_reply = {command_timeout, command_failed,
                     Texts(kSerialCommandTexts, kSerialCommandTexts.sum_timeout), command_failed};
  p.command_check = &kSerialCommandTexts;
  p.record_check = &kSilentRecordCheck;
  p.record_address_send =
      Moves({}, Texts(kSerialSendAddressTexts, kSerialSendAddressTexts.write_failed));
  p.record_data_send = Moves({}, Texts(kSerialSendDataTexts, kSerialSendDataTexts.write_failed));
  p.record_sum_send = Moves({}, Texts(kSerialSendSumTexts, kSerialSendSumTexts.write_failed));
  p.record_reply = {Texts(kSerialReplyTexts, kSerialReplyTexts.timeout),
                    Texts(kSerialReplyTexts, kSerialReplyTexts.read_failed),
                    Texts(kSerialReplySumTexts, kSerialReplySumTexts.timeout),
                    Texts(kSerialReplySumTexts, kSerialReplySumTexts.read_failed)};
  p.record_reply_check = &kSerialReplyCheckTexts;
  p.block_data = {kNoData, kNoData, kNoData, kNoData};
  p.block_confirm_send = Moves({}, {"Запись", "Нет возможности передать подтверждение!!!"});
  p.block_send = Moves({}, {"Передача записи", "Прибор не отвечает!"});
  p.block_reply = {kNoAnswer, kNoAnswer, kNoAnswer, kNoAnswer};
  p.block_check = &kBlockCheck;
  return p;
}

}  // namespace

const ExchangePolicy kSerialExchangePolicy = MakeSerialPolicy();

}  // namespace telvane
