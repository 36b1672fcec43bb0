// telvane: the desktop program.
#include <QApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/gui/about_box.h"
#include "app/gui/e1_viewers.h"
#include "app/gui/main_window.h"
#include "app/gui/private_settings.h"
#include "app/gui/qt_screen.h"
#include "app/gui/session_option.h"
#include "app/gui/translation.h"
#include "app/main_controller.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails (EFBIG) and is reported as a
  // failed write, instead of ending the program half way through a file.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("%s\n", telvane::kProgramVersion);
      return 0;
    }
    words.emplace_back(argv[i]);
  }
  // "--view FILE...": the files in their viewers, without an instrument.
  std::vector<std::string> view_files;
  if (const auto view = std::find(words.begin(), words.end(), "--view"); view != words.end()) {
    view_files.assign(view + 1, words.end());
    words.erase(view, words.end());
    if (view_files.empty()) {
      std::fprintf(stderr, "telvane: --view FILE...\n");
      return 2;
    }
  }
  const telvane::SessionOption session = telvane::TakeSessionOption(words);
  if (session.given && !session.instrument) {
    std::fprintf(stderr, "telvane: --session KIND:SERIAL:PORT (e.g. 6::COM1)\n");
    return 2;
  }
  QApplication qt(argc, argv);
  const telvane::PrivateSettings no_settings_kept;
  QApplication::setApplicationName("Telvane");
  QApplication::setApplicationVersion(telvane::kProgramVersion);
  telvane::InstallTranslation(QLocale::system());

  telvane::QtScreen screen;
  if (!view_files.empty()) {
    const auto viewers = telvane::OpenE1Viewers(screen, view_files);
    return viewers.empty() ? 1 : qt.exec();
  }
  telvane::Application app(screen, words);
  telvane::MainController controller(screen, app.link_control(), app.options());
  if (session.instrument) {
    controller.SetStartupSession(telvane::KnownSessionStartup(app.link(), *session.instrument));
  }
  {
    telvane::MainWindow window(controller, &screen);
    window.exec();
  }
  controller.Shutdown();
  return 0;
}
