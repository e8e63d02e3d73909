#pragma once
// What the two irrigation dialogs share: frames of labelled text boxes that edit the
// dialog's texts in place, and the list of the waterings the last "Apply" added.
#include <QGroupBox>
#include <initializer_list>
#include <string>
#include <vector>

#include "irrigation/Irrigation.h"

class QLabel;
class QLineEdit;
class QListWidget;

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

} // namespace etp
