#pragma once
// The About box: what the program is for, its version, credits and disclaimer, and a
// button that starts the system's information viewer. "OK" discards the box; the next
// showing builds it afresh.
#include <QDialog>

class QLabel;
class QPushButton;

namespace etp {

class UserInterface;

class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    AboutDialog(UserInterface& ui, QWidget* parent);

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    UserInterface& ui_;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

} // namespace etp
