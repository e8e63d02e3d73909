#pragma once
// What the two irrigation dialogs share: frames of labelled text boxes that edit the
// dialog's texts in place, "Apply", and the list of the waterings the last "Apply" added.
#include <QDialog>
#include <QGroupBox>
#include <initializer_list>
#include <string>
#include <vector>

#include "irrigation/Irrigation.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace etp {

// One box of a frame: its objectName, its label, and the text it edits.
struct TextField {
    const char* name;
    const char* label;
    std::string* text;
};

// A frame "caption" holding a label and a box per field; each box starts with its text,
// and what is typed goes straight back into it.
QGroupBox* TextFrame(const char* frameName, const QString& caption, std::initializer_list<TextField> fields,
                     QWidget* parent);

// "Added to the rain column": a line per watering, date and mm, and the total.
class AppliedList final : public QGroupBox {
    Q_OBJECT
public:
    explicit AppliedList(QWidget* parent);
    void showApplications(const std::vector<IrrigationApplication>& applications);

private:
    QLabel* LabelApplied = nullptr;
    QListWidget* ListApplied = nullptr;
};

// An irrigation dialog: discarded by its close box (the next opening starts afresh),
// with "Apply" (Command1) and, below the dialog's own controls, what "Apply" added.
class IrrigationDialog : public QDialog {
    Q_OBJECT
signals:
    // "Apply" is about to run; sheetChanged follows when it rewrote rain cells of the sheet.
    void applying();
    void sheetChanged();

protected:
    IrrigationDialog(const char* name, const QString& caption, QWidget* parent);
    // Runs the dialog's command: the waterings the workbench kept, null when it refused.
    virtual const std::vector<IrrigationApplication>* apply() = 0;
    QPushButton* Command1 = nullptr;
    AppliedList* applied_ = nullptr;

private:
    void Command1_Click();
};

} // namespace etp
