// telvane: the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/gui/about_box.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_screen.h"
#include "app/gui/translation.h"
#include "app/main_controller.h"

int main(int argc, char** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("%s\n", telvane::kProgramVersion);
      return 0;
    }
    words.emplace_back(argv[i]);
  }
  QApplication qt(argc, argv);
  QApplication::setApplicationName("Telvane");
  QApplication::setApplicationVersion(telvane::kProgramVersion);
  telvane::InstallTranslation(QLocale::system());

  telvane::QtScreen screen;
  telvane::Application app(screen, words);
  telvane::MainController controller(screen, app.link_control(), app.options());
  {
    telvane::MainWindow window(controller, &screen);
    window.exec();
  }
  controller.Shutdown();
  return 0;
}
