// The Qt side of the cable page view tests: the test binary's one
// QApplication and the PNG screenshots written under the build tree
// ("screenshots" beside the simulator's folder).
#ifndef TELVANE_TESTS_CABLE_PAGES_PAGE_SCREENSHOT_H_
#define TELVANE_TESTS_CABLE_PAGES_PAGE_SCREENSHOT_H_

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <filesystem>
#include <string>

namespace telvane::testing {

inline QApplication& PagesQtApp() {
  static int argc = 1;
  static char name[] = "telvane-pages-test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
  return *app;
}

// Shows the widget at `width` x `height`, saves it as <build>/screenshots/NAME.png
// and returns the path.
inline std::string SavePageScreenshot(QWidget& widget, const std::string& name, int width = 760,
                                      int height = 520) {
  const std::filesystem::path dir =
      std::filesystem::path(TELVANE_SIM_PATH).parent_path().parent_path() / "screenshots";
  std::filesystem::create_directories(dir);
  widget.resize(width, height);
  widget.show();
  QApplication::processEvents();
  const std::string path = (dir / (name + ".png")).string();
  widget.grab().save(QString::fromStdString(path));
  return path;
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_CABLE_PAGES_PAGE_SCREENSHOT_H_
