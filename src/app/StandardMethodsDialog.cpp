#include "app/StandardMethodsDialog.h"

namespace etp {

StandardMethodsDialog::StandardMethodsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : MethodsDialog(MethodDialog::Standard, QStringLiteral("Standard methods"),
                    QStringLiteral("ASCE-EWRI (2005) standardized reference ET, daily"), workbench, ui, parent)
{
    setObjectName(QStringLiteral("frmStandard"));
}

} // namespace etp
