#include "link/catalogue.h"

namespace telvane {
namespace {

constexpr const char* kSerialNames[21] = {
    "Неизвестный прибор",
    "КВР-ПРО-6.40О (базовая модель Опора)",
    "КВР-ПРО-6.40Н (модификация Нива)",
    "КВР-ПРО-6.40М (модификация Мост)",
    "КВР-ПРО-8.3ХХ",
    "Керван-ПРО",
    "КВР-ПРО ПЛЮС",
    "КВР-ПРО-8.36",
    "Ленсограф",
    "КВР-ПРО-8.500",
    "Кабельный рефлектометр ТАВРА-ПРО",
    "Кабельный прибор КВР-ПРО-ТАВРА",
    "Кабельный прибор КВР-ПРО-ТАВРА(E)",
    "Керван-ПРО 2.6X",
    "КВР-ПРО КЕРВАН",
    "Неизвестный прибор",
    "Неизвестный прибор",
    "Неизвестный прибор",
    "КВР-ПРО Ветра",
    "VS-E1",
    "VESTOR",
};

constexpr uint32_t kRates[6] = {9600, 19200, 28800, 57600, 115200, 38400};

}  // namespace

std::string SerialCatalogueName(uint8_t kind) {
  if (kind == 0 || kind > 20) return kSerialNames[0];
  return kSerialNames[kind];
}

std::string IrdaCatalogueName(uint8_t kind) {
  switch (kind) {
    case 9:
    case 13:
      return "";
    case 15:
      return "Dataflash reader";
    case 16:
      return "КВР-ПРО-'30'";
    case 17:
      return "Керван-ПРО DSL";
    case 20:
      return "Неизвестный прибор";
    default:
      return SerialCatalogueName(kind);
  }
}

LinkSpeed SpeedFromIrdaBr(uint8_t irda_br) {
  LinkSpeed speed;
  if (irda_br >= 1 && irda_br <= 6) {
    speed = {kRates[irda_br - 1], true, true};
  } else if (irda_br >= 9 && irda_br <= 14) {
    speed = {kRates[irda_br - 9], false, true};
  }
  return speed;
}

}  // namespace telvane
