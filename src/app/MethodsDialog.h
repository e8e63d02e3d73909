#pragma once
// What the three method dialogs share: a check box for each method of the dialog, Check1
// .. Check6, in a frame "Select the methods", "OK" and "annulla". The ticks and enabled
// flags are the workbench's MethodSelection; a click writes into it at once.
#include <QDialog>
#include <vector>

#include "base/UserInterface.h"
#include "et/Methods.h"

class QCheckBox;
class QPushButton;

namespace etp {

struct Workbench;

class MethodsDialog : public QDialog {
    Q_OBJECT
public:
    // Opening by the menu: enables what the column boxes allow, or says why not and hides.
    void checkColumns();
    // Ticks and enabled flags as the workbench holds them; a disabled box says in its
    // tooltip which column boxes it needs.
    void showSelection();

protected:
    // intro: a text above the frame, none when empty.
    MethodsDialog(MethodDialog kind, const QString& title, const QString& intro, Workbench& workbench,
                  UserInterface& ui, QWidget* parent);

private:
    void Check_Click(Method method, bool checked);
    void Command1_Click(); // "OK"
    void Command2_Click(); // "annulla"

    MethodDialog kind_;
    Workbench& workbench_;
    UserInterface& ui_;
    std::vector<Method> methods_;  // of the boxes, in order
    std::vector<QCheckBox*> Check; // Check1 .. Check6 (Check2 in the standard dialog)
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace etp
