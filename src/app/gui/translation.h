// The language of the window's resource texts.
#ifndef TELVANE_APP_GUI_TRANSLATION_H_
#define TELVANE_APP_GUI_TRANSLATION_H_

#include <QLocale>

namespace telvane {

// Installs the program's texts for `locale` (Russian for a Russian locale,
// English for every other) and Qt's own for the same language when the system
// has them. Replaces what an earlier call installed. False when the program's
// texts could not be loaded.
bool InstallTranslation(const QLocale& locale);

}  // namespace telvane

#endif  // TELVANE_APP_GUI_TRANSLATION_H_
