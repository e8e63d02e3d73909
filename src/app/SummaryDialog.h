#pragma once
// Tools > Summary: per month and per year, the days and the sum and mean of rain (with
// irrigation) and of every result column, with the days each sum misses and the days
// with an estimated input, as the table that "Copy" puts on the clipboard and "Save..."
// writes; its legend shows under the count of months. Each opening sums the sheet afresh.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace etp {

struct Workbench;
class UserInterface;

class SummaryDialog final : public QDialog {
    Q_OBJECT
public:
    SummaryDialog(const Workbench& workbench, UserInterface& ui, QWidget* parent);

    void refresh();

private:
    void CmdCopy_Click();
    void CmdSave_Click();

    const Workbench& workbench_;
    UserInterface& ui_;
    std::string text_; // the table as TAB-separated text
    QLabel* LabelSummary = nullptr;
    QTableWidget* TableSummary = nullptr;
    QPushButton* CmdCopy = nullptr;
    QPushButton* CmdSave = nullptr;
    QPushButton* CmdClose = nullptr;
};

} // namespace etp
