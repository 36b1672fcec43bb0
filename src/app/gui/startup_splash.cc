#include "app/gui/startup_splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace telvane {

StartupSplash::StartupSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("StartupSplash");
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(
      QCoreApplication::translate("StartupSplash", "Идет поиск совместимых устройств"), this);
  label->setObjectName("SplashText");
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label);
  layout->setContentsMargins(24, 18, 24, 18);
  setStyleSheet("#StartupSplash { border: 1px solid #5a6e8c; background: #f4f6fa; }");
  adjustSize();
}

void StartupSplash::ShowNow() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  show();
  raise();
  repaint();
}

}  // namespace telvane
