// The one QApplication of the GUI test binary, made on first use (the Qt
// platform comes from QT_QPA_PLATFORM, "offscreen" under CTest).
#ifndef TELVANE_TESTS_APP_GUI_QT_APP_H_
#define TELVANE_TESTS_APP_GUI_QT_APP_H_

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>

// gtest shows QStrings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace telvane::testing {

inline QApplication& QtApp() {
  static int argc = 1;
  static char name[] = "telvane-test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
  return *app;
}

// Delivers events until `done` holds; false when it did not within `limit_ms`
// (a bound against a hang, not a measurement).
inline bool ProcessUntil(const std::function<bool()>& done, int limit_ms = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limit_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  return true;
}

// Saves what the widget shows as a PNG under the build tree; returns the path.
inline std::string SaveScreenshot(QWidget& widget, const std::string& name) {
  QDir().mkpath(TELVANE_SCREENSHOT_DIR);
  const QString path =
      QString(TELVANE_SCREENSHOT_DIR) + "/" + QString::fromStdString(name) + ".png";
  widget.grab().save(path);
  return path.toStdString();
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_APP_GUI_QT_APP_H_
