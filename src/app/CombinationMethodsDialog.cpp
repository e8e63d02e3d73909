#include "app/CombinationMethodsDialog.h"

namespace etp {

CombinationMethodsDialog::CombinationMethodsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : MethodsDialog(MethodDialog::Combination, QStringLiteral("Combination methods"),
                    QStringLiteral("All this methods yield a daily ET0 "), workbench, ui, parent)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace etp
