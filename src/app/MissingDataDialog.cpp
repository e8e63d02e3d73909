#include "app/MissingDataDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "sheet/DecimalText.h"
#include "workbench/SettingCommands.h"

namespace etp {

namespace {

struct CoefficientRow {
    const char* name; // of the box "Txt...", its caption "Lbl..." and hint "Lbl...Hint"
    const char* caption;
    const char* hint;
};
// In the order of EstimateBox.
constexpr std::array<CoefficientRow, 4> kRows = {{
    {"TxtAngstromA", "Angstrom a", "Eq. 35: share of Ra reaching the ground on overcast days"},
    {"TxtAngstromB", "Angstrom b", "Eq. 35: share added on clear days"},
    {"TxtKrs", "kRs", "Eq. 50: 0.16 inland, 0.19 coastal"},
    {"TxtK0", "K0 (°C)", "dew point below T min"},
}};

} // namespace

MissingDataDialog::MissingDataDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("FormMissing"));
    setWindowTitle(QStringLiteral("Missing data"));
    setModal(true);

    LblExplanation = new QLabel(QStringLiteral("A day missing a measurement gets no result from the methods that need "
                                               "it, unless it is estimated here. Temperatures are never estimated; the "
                                               "data cells are never changed."),
                                this);
    LblExplanation->setObjectName(QStringLiteral("LblExplanation"));
    LblExplanation->setWordWrap(true);

    const auto check = [this](QCheckBox*& box, const char* name, const char* caption) {
        box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromLatin1(name));
    };
    check(ChkRadiation, "ChkRadiation",
          "Estimate missing radiation (FAO-56 Eq. 35 from sunshine, else Eq. 50 from the temperature range)");
    check(ChkHumidity, "ChkHumidity",
          "Estimate missing humidity (actual vapour pressure from T min, dew point = T min - K0)");
    check(ChkWind, "ChkWind", "Use 2 m/s for missing wind");

    auto* grid = new QGridLayout;
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("0.00000")) + 12;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const CoefficientRow& row = kRows[i];
        const QString name = QString::fromLatin1(row.name);
        Txt[i] = new QLineEdit(this);
        Txt[i]->setObjectName(name);
        Txt[i]->setFixedWidth(boxWidth);
        auto* caption = new QLabel(QString::fromUtf8(row.caption), this);
        caption->setObjectName(QStringLiteral("Lbl") + name.mid(3));
        caption->setBuddy(Txt[i]);
        auto* hint = new QLabel(QString::fromUtf8(row.hint), this);
        hint->setObjectName(QStringLiteral("Lbl%1Hint").arg(name.mid(3)));
        const int line = static_cast<int>(i);
        grid->addWidget(caption, line, 0);
        grid->addWidget(Txt[i], line, 1);
        grid->addWidget(hint, line, 2);
    }
    grid->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(this);
    Command1 = AddButton(*buttons, "Command1", QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(Command1, &QPushButton::clicked, this, &MissingDataDialog::Command1_Click);
    Command2 = AddButton(*buttons, "Command2", QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblExplanation);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(ChkRadiation);
    layout->addWidget(ChkHumidity);
    layout->addWidget(ChkWind);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MissingDataDialog::showEvent(QShowEvent* event)
{
    const EstimateSettings& settings = workbench_.estimates;
    ChkRadiation->setChecked(settings.radiation);
    ChkHumidity->setChecked(settings.humidity);
    ChkWind->setChecked(settings.wind);
    for (std::size_t i = 0; i < Txt.size(); ++i)
        Txt[i]->setText(QString::fromStdString(DecimalText(settings.*kEstimateCoefficients[i])));
    QDialog::showEvent(event);
}

void MissingDataDialog::Command1_Click()
{
    EstimateTexts texts{.radiation = ChkRadiation->isChecked(), .humidity = ChkHumidity->isChecked(), .wind = ChkWind->isChecked()};
    for (std::size_t i = 0; i < Txt.size(); ++i) texts.coefficients[i] = Txt[i]->text().toStdString();
    if (const auto wrong = ApplyEstimates(workbench_, texts, ui_)) {
        QLineEdit* box = Txt[static_cast<std::size_t>(*wrong)];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    accept();
}

} // namespace etp
