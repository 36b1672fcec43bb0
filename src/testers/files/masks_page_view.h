// The Qt view of the xDSL masks page: "Формат:" and "Измерительный режим:"
// choosing the folder, the list of its masks, and the buttons "Принять от
// прибора...", "Удалить на приборе..." (enabled while a mask is selected) and
// "Передать в прибор...".
#ifndef TELVANE_TESTERS_FILES_MASKS_PAGE_VIEW_H_
#define TELVANE_TESTERS_FILES_MASKS_PAGE_VIEW_H_

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "page/gui/page_view.h"
#include "testers/files/masks_page.h"

namespace telvane {

class MasksPageView : public PageView {
  Q_OBJECT

 public:
  MasksPageView(MasksPage& page, QWidget* parent);
  void Refresh() override;

 private:
  MasksPage& masks_;
  QComboBox* format_;
  QComboBox* mode_;
  QListWidget* list_;
  QPushButton* receive_;
  QPushButton* delete_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_MASKS_PAGE_VIEW_H_
