#include "app/application.h"

namespace telvane {

Application::Application(Screen& screen, const std::vector<std::string>& words)
    : options_(ParseOptions(words)), link_(screen), adapter_(link_) {}

Application::~Application() { adapter_.Close(); }

}  // namespace telvane
