#pragma once
// Tools > Stations...: every station of a table through the batch pipeline, with the
// settings of the methods and options the desktop has now and the model files ticked in
// the dialog, as `etp --stations` runs them (StationRunner); a progress dialog that can be
// cancelled (the running stations finish, none is started, none is left half-written);
// then the report, one row per station.
#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace etp {

struct StationResult;
struct Workbench;
class UserInterface;

class StationsDialog final : public QDialog {
    Q_OBJECT
public:
    StationsDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent);

    // "Run a table...": asks for the table and for where the report goes (the stations'
    // files go beside it), runs, and shows the report. Nothing runs when a choice is
    // cancelled or the table is refused (after a message naming its problems).
    void runTable();

private:
    void showReport(const std::vector<StationResult>& results, const QString& folder);

    const Workbench& workbench_;
    UserInterface& ui_;
    std::array<QCheckBox*, 6> CheckFiles{}; // the six model files, in etp's order
    QPushButton* CmdRun = nullptr;
    QLabel* LabelStations = nullptr;
    QTableWidget* TableStations = nullptr;
    QPushButton* CmdClose = nullptr;
};

} // namespace etp
