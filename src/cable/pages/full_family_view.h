// The Qt views of the full family's database page, cable page, size page and
// planned-measurement page.
#ifndef TELVANE_CABLE_PAGES_FULL_FAMILY_VIEW_H_
#define TELVANE_CABLE_PAGES_FULL_FAMILY_VIEW_H_

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_edit_page.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/full_planned_page.h"
#include "page/gui/page_view.h"

namespace telvane {

class CableBasePageView : public PageView {
  Q_OBJECT

 public:
  CableBasePageView(CableBasePage& page, QWidget* parent);
  void Refresh() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  CableBasePage& base_;
  QListWidget* list_;
  QComboBox* database_;
  QPushButton* send_;
  QPushButton* receive_;
  bool refreshing_ = false;
};

class CableEditPageView : public PageView {
  Q_OBJECT

 public:
  CableEditPageView(CableEditPage& page, QWidget* parent);
  void Refresh() override;

 private:
  CableEditPage& cable_;
  std::array<QLineEdit*, kCableFieldCount> fields_{};
  QPlainTextEdit* notebook_;
  QListWidget* sections_;
  QLabel* position_;
  bool editing_ = false;
  bool refreshing_ = false;
};

class CableSizePageView : public PageView {
  Q_OBJECT

 public:
  CableSizePageView(CableSizePage& page, QWidget* parent);
  void Refresh() override;

 private:
  CableSizePage& size_;
  QTableWidget* table_;
};

class FullPlannedPageView : public PageView {
  Q_OBJECT

 public:
  FullPlannedPageView(FullPlannedPage& page, QWidget* parent);
  void Refresh() override;

 private:
  FullPlannedPage& planned_;
  QLabel* cable_;
  QLabel* date_;
  QTableWidget* pairs_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_FULL_FAMILY_VIEW_H_
