#pragma once
// How the main window shows a modeless dialog: created on first use, parented to the main
// window, and brought to the front when shown again. Most are kept for the run (closing
// only hides them); the irrigation dialogs and the LEACHM and MACRO files dialogs delete
// themselves on closing, with what was typed, and come back new. "Missing data" and the
// Option menu's dialogs are modal and do not come through here.
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
