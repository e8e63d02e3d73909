#pragma once
// "Missing data": what Compute may estimate of a day that lacks a measurement, and the
// coefficients of the estimates. Modal; each showing starts from the workbench's
// settings, "OK" checks and keeps what the boxes say, "Cancel" and the close box change
// nothing.
#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;

class MissingDataDialog final : public QDialog {
    Q_OBJECT
public:
    MissingDataDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click(); // "OK"

    Workbench& workbench_;
    UserInterface& ui_;
    QLabel* LblExplanation = nullptr;
    QCheckBox* ChkRadiation = nullptr;
    QCheckBox* ChkHumidity = nullptr;
    QCheckBox* ChkWind = nullptr;
    // TxtAngstromA, TxtAngstromB, TxtKrs, TxtK0, in the order of EstimateBox.
    std::array<QLineEdit*, 4> Txt{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr; // Cancel
};

} // namespace etp
