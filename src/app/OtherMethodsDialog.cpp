#include "app/OtherMethodsDialog.h"

namespace etp {

OtherMethodsDialog::OtherMethodsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : MethodsDialog(MethodDialog::Others, QStringLiteral("others methods"), QString(), workbench, ui, parent)
{
    setObjectName(QStringLiteral("frmOthermet"));
}

} // namespace etp
