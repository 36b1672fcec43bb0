// The About box, the window icon and the help page.
#ifndef TELVANE_APP_GUI_ABOUT_BOX_H_
#define TELVANE_APP_GUI_ABOUT_BOX_H_

#include <QIcon>
#include <QString>
#include <QWidget>

namespace telvane {

inline constexpr const char* kProgramVersion = "2.0.19.7";

// A modal box with the program name and its version.
void ShowAboutBox(QWidget* parent);
// The text of the About box.
QString AboutText();
// The program's icon, drawn so that no image file needs shipping.
QIcon ProgramIcon();
// The help page shipped with the program: next to the executable, or in the
// installed share folder; empty when neither exists.
QString HelpPagePath();
// Opens the help page with the desktop's viewer; false when it could not.
bool OpenHelpPage();

}  // namespace telvane

#endif  // TELVANE_APP_GUI_ABOUT_BOX_H_
