#include "cable/family/family_cable_storage.h"

#include <string>

#include "cable/family/family_cable_rows.h"
#include "storage/db/current_schema.h"
#include "storage/db/db_session.h"

namespace telvane {

bool SaveFamilyCables(Screen& screen, const FamilyModel& model, const std::vector<int>& cables) {
  const std::optional<std::string> path = ChooseDatabaseFile(screen);
  if (!path) return false;
  std::vector<DbCable> rows;
  for (int cable : cables) {
    if (model.HasCable(cable)) rows.push_back(FamilyDbCable(model, cable));
  }
  return WriteCables(screen, *path, rows);
}

std::optional<std::vector<int>> OpenFamilyCables(Screen& screen, FamilyModel& model) {
  const std::optional<std::string> path = ChooseDatabaseFile(screen);
  if (!path) return std::nullopt;
  const std::optional<std::vector<std::string>> listed = ListCables(screen, *path);
  if (!listed) return std::nullopt;
  std::vector<std::string> chosen;
  if (screen.AskYesNo(Icon::kQuestion, "Вопрос", kSelectAllQuestion) == Answer::kYes) {
    chosen = *listed;
  } else {
    const std::optional<int> one =
        screen.ChooseFromList("Открытие записей из базы данных", *listed, 0);
    if (one && *one >= 0 && *one < static_cast<int>(listed->size())) {
      chosen.push_back((*listed)[static_cast<size_t>(*one)]);
    }
  }
  if (chosen.empty()) {
    screen.ShowMessage(Icon::kWarning, "Предупреждение", kNoCableChosen);
    return std::nullopt;
  }
  const std::optional<std::vector<DbStoredCable>> stored = ReadCables(screen, *path, chosen);
  if (!stored) return std::nullopt;
  std::vector<int> read;
  for (const DbStoredCable& cable : *stored) {
    int index = -1;
    for (int i = 0; i < model.cable_count() && index < 0; ++i) {
      if (model.name(i) == cable.name) index = i;
    }
    if (index < 0) index = model.AddCable(cable.name);
    if (index < 0) {
      screen.ShowMessage(Icon::kWarning, "ПРЕДУПРЕЖДЕНИЕ", kCablesFull);
      break;
    }
    ApplyDbCable(cable, model, index);
    read.push_back(index);
  }
  model.Notify();
  return read;
}

}  // namespace telvane
