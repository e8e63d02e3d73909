#pragma once
// "Station parameters": latitude, altitude and wind-measurement height. What is typed
// goes straight into the workbench, so the next computation uses it even without
// "OK"; "OK" checks the three numbers and shows them in the status bar.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;

class Form3 final : public QDialog {
    Q_OBJECT
public:
    Form3(Workbench& workbench, UserInterface& ui, QWidget* parent);

    // Where Compute sends the person who forgot the station.
    void focusLatitude();

signals:
    // The status panels of the workbench now show the station.
    void applied();

private:
    void Command1_Click();

    Workbench& workbench_;
    UserInterface& ui_;
    QLineEdit* Text1 = nullptr; // latitude [decimal degrees]
    QLineEdit* Text2 = nullptr; // altitude [m a.s.l.]
    QLineEdit* Text3 = nullptr; // wind-measurement height [m]
    QPushButton* Command1 = nullptr;
};

} // namespace etp
