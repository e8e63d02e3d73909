#pragma once
// "Hargreaves Options": the three coefficients of the Hargreaves-Samani formula. The
// boxes keep what was typed for the whole run; only "OK" changes the coefficients.
#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;

class FormOpzHarg final : public QDialog {
    Q_OBJECT
public:
    FormOpzHarg(Workbench& workbench, UserInterface& ui, QWidget* parent);

private:
    void Command1_Click(); // "OK"
    void Command2_Click(); // "Restore defaults"
    void CmdCalibrate_Click();

    Workbench& workbench_;
    UserInterface& ui_;
    QLabel* Label1 = nullptr;
    std::array<QLineEdit*, 3> Text{}; // Text1 a, Text2 b, Text3 c
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* CmdCalibrate = nullptr;
};

} // namespace etp
