// Qt's own widgets keep state in a settings store (the file dialog writes its
// last folder, history and layout there when it closes). The program writes
// no settings: while this object lives, that store is a temporary folder of
// this run, removed with it, so nothing is kept between runs.
#ifndef TELVANE_APP_GUI_PRIVATE_SETTINGS_H_
#define TELVANE_APP_GUI_PRIVATE_SETTINGS_H_

#include <QString>
#include <QTemporaryDir>

namespace telvane {

class PrivateSettings {
 public:
  // Points the user-scope settings of every QSettings made from now on into a
  // fresh temporary folder.
  PrivateSettings();
  // Points them back to the user's own configuration folder and removes the
  // temporary one with whatever Qt wrote into it.
  ~PrivateSettings();
  PrivateSettings(const PrivateSettings&) = delete;
  PrivateSettings& operator=(const PrivateSettings&) = delete;

  // The temporary folder; empty when it could not be made, and the settings
  // then stay where they were.
  QString path() const { return folder_.isValid() ? folder_.path() : QString(); }

 private:
  QTemporaryDir folder_;
};

}  // namespace telvane

#endif  // TELVANE_APP_GUI_PRIVATE_SETTINGS_H_
