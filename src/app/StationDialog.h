#pragma once
// "Station parameters": latitude, altitude and wind-measurement height. What is typed
// goes straight into the workbench, so the next computation uses it even without
// "OK"; "OK" checks the three values and shows them in the status bar, or puts the
// cursor in the box to correct; "Cancel" puts back what the boxes held when the dialog
// was shown.
#include <QDialog>

#include "sheet/Station.h"

class QLineEdit;
class QPushButton;

namespace etp {

struct Workbench;
class UserInterface;

class StationDialog final : public QDialog {
    Q_OBJECT
public:
    StationDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

    // Where Compute sends the person who forgot the station.
    void focusLatitude();

signals:
    // The status panels of the workbench now show the station.
    void applied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void showTexts();
    QLineEdit* box(StationBox which) const;

    Workbench& workbench_;
    UserInterface& ui_;
    QLineEdit* Text1 = nullptr; // latitude [decimal degrees]
    QLineEdit* Text2 = nullptr; // altitude [m a.s.l.]
    QLineEdit* Text3 = nullptr; // wind-measurement height [m]
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr; // Cancel
    StationParameters shown_;        // the station when the dialog was shown
};

} // namespace etp
