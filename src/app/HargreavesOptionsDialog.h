#pragma once
// "Hargreaves Options": the three coefficients of the Hargreaves-Samani formula. Only "OK"
// (with three numbers in their ranges) and a calibration taken change the coefficients;
// "Cancel" and the close box leave them, and each showing starts from them.
#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;

class HargreavesOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    HargreavesOptionsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click(); // "OK"
    void Command2_Click(); // "Restore defaults"
    void Command3_Click(); // "Cancel"
    void CmdCalibrate_Click();
    std::array<std::string, 3> texts() const;
    void showCoefficients();
    void focusBox(int box);

    Workbench& workbench_;
    UserInterface& ui_;
    QLabel* Label1 = nullptr;
    std::array<QLineEdit*, 3> Text{}; // Text1 a, Text2 b, Text3 c
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* CmdCalibrate = nullptr;
};

} // namespace etp
