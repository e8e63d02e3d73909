#pragma once
// The Option menu's small dialogs over MethodOptions: PenmanMonteith, Turc and Potential
// Radiation choose one of two ways (Option1 the default, Option2 the other), Priestley-
// Taylor takes its alpha (Text1). Modal; each showing starts from the workbench's
// options, "OK" keeps what the dialog says, "Cancel" and the close box change nothing.
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace etp {

struct Workbench;
class UserInterface;

// Two ways of computing a method; read tells whether the workbench holds the second,
// write sets it.
class ChoiceOptionDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        const char* name;  // objectName of the dialog
        const char* title;
        const char* first; // caption of the default
        const char* second;
        std::function<bool(const Workbench&)> read;
        std::function<void(Workbench&, bool)> write;
    };

protected:
    ChoiceOptionDialog(Workbench& workbench, Choice choice, QWidget* parent);
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click(); // "OK"

    Workbench& workbench_;
    Choice choice_;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr; // Cancel
};

// The Priestley-Taylor alpha, a number from 1 to 2, and the kRs of "P-T extrad".
class PriestleyTaylorOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    PriestleyTaylorOptionsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click(); // "OK"

    Workbench& workbench_;
    UserInterface& ui_;
    QLineEdit* Text1 = nullptr; // alpha of "P-T"
    QLineEdit* Text2 = nullptr; // kRs of "P-T extrad"
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr; // Cancel
};

// "PenmanMonteith": the soil heat flux.
class PenMonOptionDialog final : public ChoiceOptionDialog {
    Q_OBJECT
public:
    PenMonOptionDialog(Workbench& workbench, QWidget* parent);
};

// "Turc": the humidity correction.
class TurcOptionDialog final : public ChoiceOptionDialog {
    Q_OBJECT
public:
    TurcOptionDialog(Workbench& workbench, QWidget* parent);
};

// "Potential Radiation": the unit of PotRad.
class PotRadOptionDialog final : public ChoiceOptionDialog {
    Q_OBJECT
public:
    PotRadOptionDialog(Workbench& workbench, QWidget* parent);
};

// "ASCE clear-sky radiation": Rso of the standardized references.
class AsceRsoOptionDialog final : public ChoiceOptionDialog {
    Q_OBJECT
public:
    AsceRsoOptionDialog(Workbench& workbench, QWidget* parent);
};

} // namespace etp
