#include "app/gui/e1_viewers.h"

#include <algorithm>
#include <cctype>

#include "testers/e1/e1_viewer_view.h"

namespace telvane {

bool IsE1PageFileName(const std::string& path) {
  static const std::string kExtension = ".vse1page";
  if (path.size() <= kExtension.size()) return false;
  return std::equal(
      kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::vector<std::unique_ptr<QWidget>> OpenE1Viewers(Screen& screen,
                                                    const std::vector<std::string>& files) {
  std::vector<std::unique_ptr<QWidget>> windows;
  for (const std::string& file : files) {
    if (!IsE1PageFileName(file)) continue;
    auto viewer = std::make_unique<E1ViewerWindow>(screen);
    if (!viewer->Open(file)) continue;
    viewer->resize(900, 600);
    viewer->show();
    windows.push_back(std::move(viewer));
  }
  return windows;
}

}  // namespace telvane
