// A window that shows one saved E1 page file without the instrument: the
// summary, the record time stamps, the interval results and the chart, with
// "Открыть...", "Протокол..." and "Сохранить график...".
#ifndef TELVANE_TESTERS_E1_E1_VIEWER_VIEW_H_
#define TELVANE_TESTERS_E1_E1_VIEWER_VIEW_H_

#include <QWidget>
#include <string>

#include "base/screen.h"
#include "testers/e1/e1_document.h"
#include "testers/e1/e1_results_widget_view.h"

namespace telvane {

class E1ViewerWindow : public QWidget {
  Q_OBJECT

 public:
  E1ViewerWindow(Screen& screen, QWidget* parent = nullptr);

  // Loads the page file with the page's checks; false after its message.
  bool Open(const std::string& path);
  const E1Document& document() const { return document_; }

 private:
  void Refresh();

  Screen& screen_;
  E1Document document_;
  E1ResultsWidget* results_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_VIEWER_VIEW_H_
