// telvane: the desktop program.
#include <QApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/gui/about_box.h"
#include "app/gui/e1_viewers.h"
#include "app/gui/main_window.h"
#include "app/gui/private_settings.h"
#include "app/gui/qt_screen.h"
#include "app/gui/session_option.h"
#include "app/gui/trace_viewer.h"
#include "app/gui/translation.h"
#include "app/main_controller.h"
#include "app/viewer_option.h"

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
  // "--view [--firmware V] FILE...": the files in their viewers, without an
  // instrument: E1 page files each in an E1 viewer, trace files together in
  // the trace viewer.
  const telvane::ViewerOption viewer = telvane::ParseViewerOption(words);
  if (viewer.given && (!viewer.valid || viewer.files.empty())) {
    std::fprintf(stderr, "telvane: --view [--firmware V] FILE... (V such as 8.025)\n");
    return 2;
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
  if (viewer.given) {
    // The viewers touch no port: no application object, no search.
    const auto e1_windows = telvane::OpenE1Viewers(screen, viewer.files);
    std::vector<std::string> traces;
    for (const std::string& file : viewer.files) {
      if (!telvane::IsE1PageFileName(file)) traces.push_back(file);
    }
    std::unique_ptr<telvane::TraceViewer> trace_window;
    if (!traces.empty()) {
      trace_window = std::make_unique<telvane::TraceViewer>(screen, viewer.firmware);
      for (const std::string& file : traces) trace_window->AddFile(file);
      trace_window->show();
    }
    return e1_windows.empty() && !trace_window ? 1 : qt.exec();
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
