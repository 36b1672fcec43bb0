#include "app/gui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

// The translations live in a static library: make sure its resource is in.
static void InitTranslationResource() { Q_INIT_RESOURCE(telvane_app_gui_translations); }

namespace telvane {
namespace {

std::unique_ptr<QTranslator>& Own() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

std::unique_ptr<QTranslator>& Qt() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
  if (slot) QCoreApplication::removeTranslator(slot.get());
  slot = std::move(next);
  if (slot) QCoreApplication::installTranslator(slot.get());
}

}  // namespace

bool InstallTranslation(const QLocale& locale) {
  InitTranslationResource();
  const bool russian = locale.language() == QLocale::Russian;
  auto own = std::make_unique<QTranslator>();
  const bool loaded = own->load(russian ? ":/i18n/telvane_ru.qm" : ":/i18n/telvane_en.qm");
  Replace(Own(), loaded ? std::move(own) : nullptr);

  auto qt = std::make_unique<QTranslator>();
  const bool qt_loaded = qt->load(QLocale(russian ? QLocale::Russian : QLocale::English), "qtbase",
                                  "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Replace(Qt(), qt_loaded ? std::move(qt) : nullptr);
  return loaded;
}

}  // namespace telvane
