// The trace viewer ("telvane --view"): trace files of any format and page
// generation drawn overlaid in the trace plot, with no instrument, search or
// port.
#ifndef TELVANE_APP_GUI_TRACE_VIEWER_H_
#define TELVANE_APP_GUI_TRACE_VIEWER_H_

#include <QWidget>
#include <string>

#include "base/screen.h"
#include "storage/trace/plot/gui/trace_plot_panel.h"

namespace telvane {

class TraceViewer : public QWidget {
  Q_OBJECT

 public:
  // `firmware` in thousandths decides the record lengths of RFG 2.0/3.0.
  TraceViewer(Screen& screen, int firmware, QWidget* parent = nullptr);

  // Adds the file's trace to the plot; false after the reader's message.
  bool AddFile(const std::string& path);
  TracePlotPanel& panel() { return *panel_; }

 private:
  void OpenFiles();

  Screen& screen_;
  int firmware_;
  TracePlotPanel* panel_;
};

}  // namespace telvane

#endif  // TELVANE_APP_GUI_TRACE_VIEWER_H_
