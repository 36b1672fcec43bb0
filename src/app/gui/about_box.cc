#include "app/gui/about_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace telvane {

QString AboutText() {
  return QCoreApplication::translate("AboutBox", "Telvane, версия %1").arg(kProgramVersion);
}

void ShowAboutBox(QWidget* parent) {
  QMessageBox box(QMessageBox::Information,
                  QCoreApplication::translate("AboutBox", "О программе Telvane"), AboutText(),
                  QMessageBox::Ok, parent);
  box.setIconPixmap(ProgramIcon().pixmap(48, 48));
  box.exec();
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2f, 0x5d, 0x8a));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    painter.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), size / 10.0));
    // A pulse on a line: the reflectometer's trace.
    const double y = size * 0.62;
    painter.drawPolyline(QPolygonF({QPointF(size * 0.12, y), QPointF(size * 0.4, y),
                                    QPointF(size * 0.5, size * 0.25), QPointF(size * 0.6, y),
                                    QPointF(size * 0.88, y)}));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QString HelpPagePath() {
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {dir + "/telvane.html", dir + "/../share/telvane/telvane.html"}) {
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  }
  return QString();
}

bool OpenHelpPage() {
  const QString path = HelpPagePath();
  if (path.isEmpty()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace telvane
