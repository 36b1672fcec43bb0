#include "cli/offscreen_app.h"

#ifdef TELVANE_CLI_PLOT
#include <QGuiApplication>
#endif

namespace telvane::cli {

void EnsureOffscreenApp() {
#ifdef TELVANE_CLI_PLOT
  static int argc = 1;
  static char name[] = "telvane-cli";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
  }
#endif
}

}  // namespace telvane::cli
