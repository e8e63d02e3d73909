#pragma once
// Every dialog of the program but "Missing data" is modeless: created on first use,
// parented to the main window, kept for the run (closing only hides it) and brought to
// the front when shown again.
#include <QPointer>
#include <QWidget>
#include <utility>

namespace etp {

template <typename Dialog, typename... Args>
Dialog& ShowModeless(QPointer<Dialog>& dialog, QWidget* parent, Args&&... args)
{
    if (!dialog) dialog = new Dialog(std::forward<Args>(args)..., parent);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return *dialog;
}

} // namespace etp
