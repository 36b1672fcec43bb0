#include "app/page_catalog.h"

#include "app/family435_info_page.h"
#include "app/info_page.h"
#include "app/text_planned_page.h"
#include "base/translatable.h"
#include "cable/pages/cable_pages.h"

namespace telvane {

const char* PageTitle(PageId id) {
  switch (id) {
    case PageId::kInstrumentInfo:
      return QT_TRANSLATE_NOOP("Tabs", "Информация о приборе");
    case PageId::kCableTypeBase2:
      return QT_TRANSLATE_NOOP("Tabs", "База данных");
    case PageId::kPlannedBase47:
    case PageId::kPlanned9:
      return QT_TRANSLATE_NOOP("Tabs", "База плановых измерений");
    case PageId::kDbCounters6:
    case PageId::kDbCounters9:
      return QT_TRANSLATE_NOOP("Tabs", "Информация о базе данных");
    case PageId::kCableNames6:
      return QT_TRANSLATE_NOOP("Tabs", "База кабелей");
    case PageId::kCableParams6:
      return QT_TRANSLATE_NOOP("Tabs", "Параметры кабеля");
    case PageId::kPlanned6:
    case PageId::kTextPlanned:
      return QT_TRANSLATE_NOOP("Tabs", "Плановые измерения");
    case PageId::kReflectograms6:
    case PageId::kReflectograms17:
      return QT_TRANSLATE_NOOP("Tabs", "Рефлектограммы");
    case PageId::kCompactCables7:
    case PageId::kCableList9:
      return QT_TRANSLATE_NOOP("Tabs", "База параметров кабелей");
    case PageId::kWear8:
      return QT_TRANSLATE_NOOP("Tabs", "База измерений");
    case PageId::kDbInfo10:
    case PageId::kDbInfo11:
    case PageId::kDbInfo14:
    case PageId::kDbInfo17:
    case PageId::kDbInfo18:
      return QT_TRANSLATE_NOOP("Tabs", "Информация о БД");
    case PageId::kCables10:
    case PageId::kCables11:
    case PageId::kCables14:
      return QT_TRANSLATE_NOOP("Tabs", "БД параметров кабелей");
    case PageId::kReflectograms10:
    case PageId::kReflectograms11:
      return QT_TRANSLATE_NOOP("Tabs", "БД рефлектограмм");
    case PageId::kPlanned11:
    case PageId::kPlanned14:
      return QT_TRANSLATE_NOOP("Tabs", "БД плановых измерений");
    case PageId::kCableTypes11:
    case PageId::kCableTypes14:
      return QT_TRANSLATE_NOOP("Tabs", "БД типов кабелей");
    case PageId::kXdsl11:
      return QT_TRANSLATE_NOOP("Tabs", "xDSL");
    case PageId::kSheets13:
    case PageId::kSheetsReceive13:
    case PageId::kFiles19:
    case PageId::kFiles20:
      return QT_TRANSLATE_NOOP("Tabs", "БД Измерений");
    case PageId::kFrequencyMeasurements17:
      return QT_TRANSLATE_NOOP("Tabs", "Частотные измерения");
    case PageId::kFrequencyList17:
      return QT_TRANSLATE_NOOP("Tabs", "Список частот");
    case PageId::kMeasurementFiles17:
      return QT_TRANSLATE_NOOP("Tabs", "Измерения");
    case PageId::kFiles18:
      return QT_TRANSLATE_NOOP("Tabs", "Файлы");
    case PageId::kMasks18:
      return QT_TRANSLATE_NOOP("Tabs", "Маски xDSL");
    case PageId::kCount:
      break;
  }
  return "";
}

std::unique_ptr<InstrumentPage> MakePage(PageId id, PageContext& context) {
  switch (id) {
    case PageId::kInstrumentInfo:
      return std::make_unique<InfoPage>(context);
    case PageId::kTextPlanned:
      return std::make_unique<TextPlannedPage>(context);
    case PageId::kDbInfo11:
      return std::make_unique<Family435InfoPage>(context);
    default:
      if (auto page = MakeCablePage(id, context)) return page;
      return std::make_unique<EmptyPage>(context, id, PageTitle(id));
  }
}

}  // namespace telvane
