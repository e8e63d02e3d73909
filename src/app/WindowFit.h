#pragma once
// Every window of the program opens on the screen it shows on, whatever the scaling:
// no wider or taller than the screen's free area, inside it, and, for a dialog, wide
// enough for its whole title as the title bar writes it ("Combination methods - ETP
// computation").
#include <QRect>
#include <QString>

class QObject;
class QWidget;

namespace etp {

// The title bar's text: the window title, then the program's name.
QString TitleBarText(const QWidget& window);
// The width a dialog needs for that text, the window buttons and the icon beside it.
int TitleBarWidth(const QWidget& window);

// Resizes and moves the window into the area (the screen's available geometry),
// leaving room for the window manager's frame; a dialog also grows to its title width.
void FitWindow(QWidget& window, const QRect& available);

// Fits every window of the application as it is shown; installing twice is once.
void FitWindowsOnShow(QObject& application);

} // namespace etp
