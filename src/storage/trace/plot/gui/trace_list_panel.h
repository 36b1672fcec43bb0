// What a reflectogram page with one list of traces shows: the list
// ("Reflectograms"), the fields of the trace under the cursor, the receive and
// save buttons ("Receive", "Save") and the trace plot. The page's view fills it
// from its controller and hears the cursor and the buttons; texts arrive
// translated in the view's own context.
#ifndef TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_LIST_PANEL_H_
#define TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_LIST_PANEL_H_

#include <QFormLayout>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "storage/trace/plot/gui/trace_plot_panel.h"

namespace telvane {

class TraceListPanel : public QWidget {
  Q_OBJECT

 public:
  TraceListPanel(QWidget* parent, const QString& receive, const QString& save);

  QPushButton* receive() { return receive_; }
  QPushButton* save() { return save_; }
  // Shows `lines` with the cursor on `selected` (no cursor when empty), the
  // (caption, value) rows and the traces, the first one active.
  void Show(const std::vector<std::string>& lines, int selected,
            const std::vector<std::pair<QString, QString>>& rows, std::vector<PlotTrace> traces);

 Q_SIGNALS:
  // The person moved the list's cursor.
  void rowChosen(int row);

 private:
  QListWidget* list_;
  QFormLayout* panel_;
  QPushButton* receive_;
  QPushButton* save_;
  TracePlotPanel* plot_;
  bool showing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_GUI_TRACE_LIST_PANEL_H_
