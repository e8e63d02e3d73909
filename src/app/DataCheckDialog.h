#pragma once
// Tools > Check data: what the data check finds in the sheet, one line per kind of
// problem and variable (variable, problem, count, first rows). A click on a line asks
// the main window to select all its cells in the sheet. Each opening checks the sheet
// afresh.
#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace etp {

struct Workbench;
class UserInterface;

class DataCheckDialog final : public QDialog {
    Q_OBJECT
public:
    DataCheckDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent);

    // Runs the check over the sheet as it is now.
    void refresh();

signals:
    // Sheet rows of one column; column 0: the whole rows.
    void cellsChosen(int column, const QList<int>& rows);

private:
    void TableFindings_Click(int line);

    const Workbench& workbench_;
    UserInterface& ui_;
    QLabel* LabelCheck = nullptr;
    QTableWidget* TableFindings = nullptr;
    QPushButton* CmdCheck = nullptr;
    QPushButton* CmdClose = nullptr;
    // Per line of the table: the column and rows to select.
    QList<QPair<int, QList<int>>> cells_;
};

} // namespace etp
