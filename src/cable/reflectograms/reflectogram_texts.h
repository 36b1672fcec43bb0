// The texts of the reflectogram pages: slot lines, the information panel of a
// slot, button captions and tooltips by storage mode, dialog filters and
// messages.
#ifndef TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_TEXTS_H_
#define TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_TEXTS_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/screen.h"
#include "base/translatable.h"
#include "cable/family/family_scales.h"
#include "storage/trace/reflectogram_record.h"
#include "storage/trace/wv_file.h"

namespace telvane {

inline constexpr char kReceiveTooltip[] =
    QT_TRANSLATE_NOOP("CablePages", "Загрузка с прибора отмеченных рефлектограмм");
inline constexpr char kSendTooltip[] =
    QT_TRANSLATE_NOOP("CablePages", "Запись в прибор отмеченных рефлектограмм");
inline constexpr char kStorageTooltip[] =
    QT_TRANSLATE_NOOP("CablePages", "Управление способом сохранения и открытия рефлектограмм");
inline constexpr char kSendCurrentQuestion[] = "Выделить текущую запись для передачи?";
inline constexpr char kNothingMarked[] = "Нет выделенных записей";
inline constexpr char kNothingChosen[] = "Нет выбранных записей!";
inline constexpr char kNothingChosenCaption[] = "Предупреждение";
inline constexpr char kProgramCaption[] = "Telvane";
inline constexpr char kEmptySlotText[] = QT_TRANSLATE_NOOP("CablePages", "ПУСТО");

// One line of the slot list for slot `slot` (0-based): " ПУСТО", "РФГ №%.2d"
// with the slot's number from 1, or "Неверные данные".
std::string SlotLine(uint8_t status, int slot);

// The captions and tooltips of the save and open buttons.
struct StorageButtons {
  std::string save_caption;
  std::string save_tooltip;
  std::string open_caption;
  std::string open_tooltip;
};
StorageButtons StorageButtonTexts(bool database_mode);

// The information panel of one slot, every field as shown.
struct SlotPanel {
  std::string name;
  std::string date;  // "%.2u.%.2u.%.2u": day, month, two-digit year
  std::string pulse;
  std::string range;
  std::string stretch;
  std::string averaging;
  std::string gain;
  std::string coordination;  // "%03.0f"; empty when not shown
};

// The panel of a valid slot: pulse, range, stretch and gain through the
// family's scale tables (an index beyond its table shows as "#" and the
// index), averaging as stored; `sample_count` (128 or 160) places the
// coordination value of an extended record; a compact record has none.
SlotPanel ValidSlotPanel(const ReflectogramRecord& record, const ScaleTable& scales,
                         int sample_count);
// "ПУСТО", 00.00.00, zeros and no coordination.
SlotPanel EmptySlotPanel();

// The panel as (label, value) rows in the order shown; the coordination row
// only when `coordination_shown`.
std::vector<std::pair<std::string, std::string>> PanelRows(const SlotPanel& panel,
                                                           bool coordination_shown);

// The filters of the per-slot file dialogs; the rfg entry names the versions
// the page writes.
std::vector<FileFilter> TraceFileFilters(TracePage page);
// The single filter of the database dialog.
FileDialog DatabaseDialog();

}  // namespace telvane

#endif  // TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_TEXTS_H_
