// The application object: the command-line options, the database provider and
// the process-wide link that the main window and every page share.
#ifndef TELVANE_APP_APPLICATION_H_
#define TELVANE_APP_APPLICATION_H_

#include <string>
#include <vector>

#include "app/link_adapter.h"
#include "base/screen.h"
#include "link/link.h"
#include "page/options.h"

namespace telvane {

class Application {
 public:
  // `words` are the command-line words after the program name.
  Application(Screen& screen, const std::vector<std::string>& words);
  // Closes the session port and the IrDA socket.
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const AppOptions& options() const { return options_; }
  const char* provider() const { return kDatabaseProvider; }
  Link& link() { return link_; }
  LinkControl& link_control() { return adapter_; }

 private:
  AppOptions options_;
  Link link_;
  LinkAdapter adapter_;
};

}  // namespace telvane

#endif  // TELVANE_APP_APPLICATION_H_
