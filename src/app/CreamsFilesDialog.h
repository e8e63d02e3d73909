#pragma once
// "Meteo files for CREAMS": the monthly table of the last "&CREAMS" command in its grid
// Grid1, and the buttons that write the temperature and radiation file from it and the
// daily rain file from the sheet. "Cancel" and the close box hide it; the table stays.
#include <QDialog>

#include "models/CreamsTable.h"

class QPushButton;
class QTableWidget;

namespace etp {

struct Workbench;
class UserInterface;

class CreamsFilesDialog final : public QDialog {
    Q_OBJECT
public:
    CreamsFilesDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

    // The "&CREAMS" command: the monthly table of the sheet into the grid. False after
    // a message, with the grid holding the headers only.
    bool buildTable();

private:
    void showTable();
    void Command1_Click(); // "Cancel"
    void Command2_Click(); // "Save T and Rad"
    void Command3_Click(); // "Save Rain"
    void Command4_Click(); // "Save all"

    Workbench& workbench_;
    UserInterface& ui_;
    CreamsTable table_;
    QTableWidget* Grid1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

} // namespace etp
