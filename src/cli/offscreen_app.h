// The drawing of plots and charts needs a GUI application; the command line
// makes one on the offscreen platform, which needs no display.
#ifndef TELVANE_CLI_OFFSCREEN_APP_H_
#define TELVANE_CLI_OFFSCREEN_APP_H_

namespace telvane::cli {

// Creates the process's GUI application once (only in builds with Qt).
void EnsureOffscreenApp();

}  // namespace telvane::cli

#endif  // TELVANE_CLI_OFFSCREEN_APP_H_
