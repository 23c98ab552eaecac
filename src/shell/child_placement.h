#pragma once

#include <QString>

class IniFile;
class QMdiSubWindow;

// Placement of the frame's child windows in sections "Window_" + class name (+ "_" + number):
// restored when the window is attached, saved when it closes. This happens whatever the
// preference for restoring windows says.
namespace ChildWindowPlacement {

// Applies the saved placement to `window` and saves it again when the window closes. The class
// name and number are kept on the window for the list of open windows.
void attach(QMdiSubWindow* window, IniFile& ini, const QString& className, int number = -1);

QString className(const QMdiSubWindow* window);
int number(const QMdiSubWindow* window);

}  // namespace ChildWindowPlacement
