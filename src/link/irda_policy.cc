// The exchange over the IrDA socket.
#include "link/exchange_policy.h"
#include "link/irda_link.h"

namespace telvane {

namespace {

constexpr Message kCannotSend{"Ошибка", "Передача данных невозможна. Ошибка: %d"};
constexpr MoveMessages kReceived =
    Moves({"Запись", "Нет данных!!!"}, {"Ошибка", "Прием запси прерван. Ошибка: %d"});
constexpr MoveMessages kConfirmSent =
    Moves({"Запись", "Нет возможности передать подтверждение!!!"}, kCannotSend);
constexpr MoveMessages kSent = Moves({"Передача записи", "Прибор не отвечает!"}, kCannotSend);

ExchangePolicy MakeIrdaPolicy() {
  ExchangePolicy p;
  p.piece = kIrdaPiece;
  p.reply_in_one_read = true;
  p.retry_incomplete_record = false;
  p.compare_received_address = true;
  // A confirmation from another instrument is refused silently; 0 asks for
  // the record again.
  p.record_sends = 5;
  p.record_confirm_rules = {.compare_address = true, .zero_asks_resend = true};
  p.bar_counts_frame = true;
  p.disconnect_rule = DisconnectRule::kCloseAndClearWhenConfirmed;
  p.disconnect_wait = {5, 0};
  p.disconnect_failed = {"Ошибка", "Ошибка отсоединения!!!"};
  p.no_memory = {"Ошибка", "Выделение памяти под буфер записи провалено! Ошибка: %d"};
  // A reply that does not come in time is silent.
  p.command_send = Moves({}, kCannotSend);
  p.command_reply = Moves({}, {"Ошибка", "Прием данных прерван. Ошибка: %d"});
  p.command_check = &kIrdaCommandTexts;
  p.head_timeout = {"Адрес", "Нет данных!!!"};
  p.head_short = {"Ошибка", "Неправильный размер адреса"};
  p.head_failed = {"Ошибка", "Прием адреса прерван. Ошибка: %d"};
  p.record_data = kReceived;
  p.record_check = &kIrdaRecordTexts;
  p.record_confirm_send = kConfirmSent;
  p.record_address_send = kSent;
  p.record_data_send = kSent;
  p.record_sum_send = kSent;
  p.record_reply = Moves({"Подтверждение записи", "Нет данных!!!"},
                         {"Ошибка", "Прием подтверждения запси прерван. Ошибка: %d"});
  p.record_reply_check = &kIrdaRecordConfirmTexts;
  p.block_data = kReceived;
  p.block_confirm_send = kConfirmSent;
  p.block_send = kSent;
  p.block_reply = Moves({"Подтверждение", "Нет данных!!!"},
                        {"Ошибка", "Прием подтверждения прерван. Ошибка: %d"});
  p.block_check = &kIrdaBlockConfirmTexts;
  return p;
}

}  // namespace

const ExchangePolicy kIrdaExchangePolicy = MakeIrdaPolicy();

}  // namespace telvane
