// The small box shown while the program searches for an instrument.
#ifndef TELVANE_APP_GUI_STARTUP_SPLASH_H_
#define TELVANE_APP_GUI_STARTUP_SPLASH_H_

#include <QWidget>

namespace telvane {

class StartupSplash : public QWidget {
  Q_OBJECT

 public:
  explicit StartupSplash(QWidget* parent = nullptr);

  // Shows the box centred on the screen and paints it; the caller lets the
  // window system map it (QtScreen::Repaint) before it blocks in the search.
  void ShowNow();
};

}  // namespace telvane

#endif  // TELVANE_APP_GUI_STARTUP_SPLASH_H_
