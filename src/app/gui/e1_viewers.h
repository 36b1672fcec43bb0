// "telvane --view FILE...": the E1 page files among the files, each in its own
// E1 viewer window (the viewer is chosen by the file's extension).
#ifndef TELVANE_APP_GUI_E1_VIEWERS_H_
#define TELVANE_APP_GUI_E1_VIEWERS_H_

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "base/screen.h"

namespace telvane {

// Whether `path` names an E1 page file (".vse1page", any case).
bool IsE1PageFileName(const std::string& path);

// Opens every E1 page file of `files` in a viewer window of its own and shows
// it; a file refused by the page's checks shows its message and opens none.
std::vector<std::unique_ptr<QWidget>> OpenE1Viewers(Screen& screen,
                                                    const std::vector<std::string>& files);

}  // namespace telvane

#endif  // TELVANE_APP_GUI_E1_VIEWERS_H_
