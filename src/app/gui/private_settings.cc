#include "app/gui/private_settings.h"

#include <QSettings>
#include <QStandardPaths>

namespace telvane {
namespace {

void PointUserSettingsAt(const QString& folder) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

}  // namespace

PrivateSettings::PrivateSettings() {
  if (folder_.isValid()) PointUserSettingsAt(folder_.path());
}

PrivateSettings::~PrivateSettings() {
  if (folder_.isValid())
    PointUserSettingsAt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace telvane
