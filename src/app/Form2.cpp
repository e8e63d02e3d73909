#include "app/Form2.h"

namespace etp {

Form2::Form2(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : MethodsDialog(MethodDialog::Combination, QStringLiteral("Combination methods"),
                    QStringLiteral("All this methods yield a daily ET0 "), workbench, ui, parent)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace etp
