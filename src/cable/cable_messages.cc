#include "cable/cable_messages.h"

namespace telvane {

const CableFamilyTexts kFullFamilyTexts = {
    .command =
        {
            .caption = "Error",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT!",
            .sum_timeout = "TIMEOUT!",
            .bad_sum = "Неверная контрольная сумма подтверждения команды",
            .bad_echo = "Ошибка подтверждения команды",
        },
    .index =
        {
            .caption = "Error",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT подтверждения номера записи!",
            .sum_timeout = "TIMEOUT подтверждения номера записи!",
            .bad_sum = "Неверная контрольная сумма подтверждения № записи",
            .bad_echo = "Ошибка подтверждения № записи",
        },
    .send_record =
        {
            .caption = "Error",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT подтверждения получения записи!",
            .sum_timeout = "TIMEOUT получения контрольной суммы подтверждения!",
            .bad_sum = "Неверная контрольная сумма подтверждения записи",
            .bad_echo = "Ошибка подтверждения номера записи",
        },
    .record =
        {
            .caption = "Error",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .number_timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .bad_sum = "Неверная контрольная сумма записи",
            .bad_kind = "Ошибка адреса",
            .bad_serial = "Ошибка адреса",
        },
    .type_record =
        {
            .caption = "Error",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .number_timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .bad_sum = "Неверная контрольная сумма",
            .bad_kind = "Неверный VendorID!",
            .bad_serial = "Неверный SerialNumber!",
        },
    .date_record =
        {
            .caption = "Error",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT адреса при попытке чтения даты!",
            .number_timeout = "TIMEOUT адреса при попытке чтения даты!",
            .bad_sum = "Неверная контрольная сумма даты",
            .bad_kind = "Ошибка адреса",
            .bad_serial = "Ошибка адреса",
        },
};

const CableFamilyTexts kCompactTexts = {
    .command =
        {
            .caption = "Ошибка",
            .write_failed = "Ошибка передачи информации",
            .read_failed = "Ошибка приема информации",
            .timeout = "Время ожидания вышло!",
            .sum_timeout = "Время ожидания вышло!",
            .bad_sum = "Неверная контрольная сумма подтверждения команды",
            .bad_echo = "Ошибка подтверждения команды",
        },
    .index =
        {
            .caption = "Ошибка",
            .write_failed = "Ошибка передачи информации",
            .read_failed = "Ошибка приема информации",
            .timeout = "TIMEOUT подтверждения номера записи!",
            .sum_timeout = "TIMEOUT подтверждения номера записи!",
            .bad_sum = "Неверная контрольная сумма подтверждения № записи",
            .bad_echo = "Ошибка подтверждения № записи",
        },
    .send_record =
        {
            .caption = "Ошибка",
            .write_failed = "Ошибка передачи информации",
            .read_failed = "Ошибка приема информации",
            .timeout = "TIMEOUT подтверждения получения записи!",
            .sum_timeout = "TIMEOUT получения контрольной суммы подтверждения!",
            .bad_sum = "Неверная контрольная сумма подтверждения записи",
            .bad_echo = "Ошибка подтверждения номера записи",
        },
    .record =
        {
            .caption = "Ошибка",
            .write_failed = "Ошибка передачи информации",
            .read_failed = "Ошибка приема информации",
            .timeout = "Время ожидания вышло!\r\n байт № %d",
            .number_timeout = "Время ожидания вышло!\r\n байт № %d",
            .bad_sum = "Неверная контрольная сумма записи",
            .bad_kind = "Ошибка адреса",
            .bad_serial = "Ошибка адреса",
        },
    .type_record =
        {
            .caption = "Ошибка",
            .write_failed = "Ошибка передачи информации",
            .read_failed = "Ошибка приема информации",
            .timeout = "Время ожидания вышло!\r\n байт № %d",
            .number_timeout = "Время ожидания вышло!\r\n байт № %d",
            .bad_sum = "Неверная контрольная сумма",
            .bad_kind = "Неверный VendorID!",
            .bad_serial = "Неверный SerialNumber!",
        },
    .date_record =
        {
            .caption = "Ошибка",
            .write_failed = "Ошибка передачи информации",
            .read_failed = "Ошибка приема информации",
            .timeout = "TIMEOUT адреса при попытке чтения даты!",
            .number_timeout = "TIMEOUT адреса при попытке чтения даты!",
            .bad_sum = "Неверная контрольная сумма даты",
            .bad_kind = "Ошибка адреса",
            .bad_serial = "Ошибка адреса",
        },
};

const CableFamilyTexts kReflectogramTexts = {
    .command =
        {
            .caption = "Ошибка",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT подтверждения команды!",
            .sum_timeout = "TIMEOUT контрольной суммы подтверждения команды!",
            .bad_sum = "Неверная контрольная сумма подтверждения команды",
            .bad_echo = "Ошибка подтверждения команды",
        },
    .index =
        {
            .caption = "Ошибка",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT подтверждения номера записи!",
            .sum_timeout = "TIMEOUT подтверждения номера записи!",
            .bad_sum = "Неверная контрольная сумма подтверждения № записи",
            .bad_echo = "Ошибка подтверждения № записи",
        },
    .send_record =
        {
            .caption = "Ошибка",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT подтверждения получения записи!",
            .sum_timeout = "TIMEOUT получения контрольной суммы подтверждения!",
            .bad_sum = "Неверная контрольная сумма подтверждения записи",
            .bad_echo = "Ошибка подтверждения номера записи",
        },
    .record =
        {
            .caption = "Ошибка",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .number_timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .bad_sum = "Неверная контрольная сумма записи",
            .bad_kind = "Ошибка адреса",
            .bad_serial = "Ошибка адреса",
        },
    .type_record =
        {
            .caption = "Ошибка",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .number_timeout = "TIMEOUT чтения записи!\r\n байт № %d",
            .bad_sum = "Неверная контрольная сумма",
            .bad_kind = "Неверный VendorID!",
            .bad_serial = "Неверный SerialNumber!",
        },
    .date_record =
        {
            .caption = "Ошибка",
            .write_failed = "WriteFile()",
            .read_failed = "ReadFile()",
            .timeout = "TIMEOUT адреса при попытке чтения даты!",
            .number_timeout = "TIMEOUT адреса при попытке чтения даты!",
            .bad_sum = "Неверная контрольная сумма даты",
            .bad_kind = "Ошибка адреса",
            .bad_serial = "Ошибка адреса",
        },
};

}  // namespace telvane
