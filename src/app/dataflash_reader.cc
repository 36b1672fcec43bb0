#include "app/dataflash_reader.h"

#include <new>
#include <vector>

#include "base/file_write.h"

namespace telvane {

bool ReadDataflash(Screen& screen, Exchange& exchange, const Address& address) {
  std::vector<uint8_t> buffer;
  try {
    buffer.assign(kDataflashSize, 0);
  } catch (const std::bad_alloc&) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Выделение памяти под буфер записи провалено!");
    return false;
  }
  if (!exchange.SendCommand(address, kDataflashReadCommand, Wait{11, 0})) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка выполнения команды");
    return false;
  }
  screen.ShowProgress(true);
  screen.SetProgressRange(0, 100);
  screen.SetProgress(0);
  const bool received =
      exchange.ReceiveRecord(address, buffer.data(), buffer.size(), ConfirmSource::Value(254),
                             Progress{true, 0, 1}, Wait{5, 0});
  screen.ShowProgress(false);
  if (!received) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка при приеме записи");
    return false;
  }

  FileDialog dialog;
  dialog.filters = {{"All files", "*.*"}};
  const std::optional<FileChoice> choice = screen.ChooseSaveFile(dialog);
  if (!choice) return false;
  return WriteWholeFile(screen, choice->path, buffer, WriteFailure::kWriteFileCall);
}

}  // namespace telvane
