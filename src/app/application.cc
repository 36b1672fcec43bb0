#include "app/application.h"

#include "link/irda_session.h"

namespace telvane {

Application::Application(Screen& screen, const std::vector<std::string>& words)
    : options_(ParseOptions(words)), link_(screen), adapter_(link_) {
  // The start-up search tries the IrDA socket first.
  InstallIrda(link_);
}

Application::~Application() { adapter_.Close(); }

}  // namespace telvane
