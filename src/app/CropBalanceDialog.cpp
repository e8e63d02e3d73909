#include "app/CropBalanceDialog.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/CropBalanceChart.h"
#include "app/DialogButtons.h"
#include "et/MethodTable.h"
#include "irrigation/CropPresets.h"
#include "sheet/DecimalText.h"
#include "workbench/CropBalanceCommands.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

constexpr int kKeyPairsPerRow = 3;
constexpr const char* kIrrigationFilters = "text files (*.txt)|*.txt|All files|*";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The NAME<TAB>value lines of the summary, as the summary file writes them.
std::vector<std::pair<QString, QString>> SummaryLines(const CropBalance& balance)
{
    std::vector<std::pair<QString, QString>> lines;
    for (const QString& line : Text(CropSummaryText(balance)).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0) lines.emplace_back(line.left(tab), line.mid(tab + 1).trimmed());
    }
    return lines;
}

} // namespace

CropBalanceDialog::CropBalanceDialog(Workbench& workbench, UserInterface& ui, QWidget* parent)
    : QDialog(parent), workbench_(workbench), ui_(ui)
{
    setObjectName(QStringLiteral("CropBalanceDialog"));
    setWindowTitle(QStringLiteral("Crop water balance"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* settings = new QVBoxLayout;
    settings->addWidget(buildCropFrame());
    settings->addWidget(buildKeysFrame());
    settings->addWidget(buildIrrigationFrame());
    settings->addStretch(1);

    LabelResult = new QLabel(this);
    LabelResult->setObjectName(QStringLiteral("LabelResult"));
    LabelResult->setWordWrap(true);
    ChartCrop = new QChartView(this);
    ChartCrop->setObjectName(QStringLiteral("ChartCrop"));
    ChartCrop->setRenderHint(QPainter::Antialiasing);
    ChartCrop->setMinimumSize(420, 260);
    TableSummary = new QTableWidget(0, 4, this);
    TableSummary->setObjectName(QStringLiteral("TableSummary"));
    TableSummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableSummary->horizontalHeader()->hide();
    TableSummary->verticalHeader()->hide();
    TableSummary->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TableSummary->verticalHeader()->setDefaultSectionSize(TableSummary->fontMetrics().height() + 4);
    auto* results = new QVBoxLayout;
    results->addWidget(LabelResult);
    results->addWidget(ChartCrop, 1);
    results->addWidget(TableSummary);

    auto* buttons = new QDialogButtonBox(this);
    CmdRun = AddButton(*buttons, "CmdRun", QStringLiteral("&Run"), QDialogButtonBox::AcceptRole);
    CmdSave = AddButton(*buttons, "CmdSave", QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    CmdAddToRain = AddButton(*buttons, "CmdAddToRain", QStringLiteral("&Add irrigation to rain"), QDialogButtonBox::ActionRole);
    CmdClose = AddButton(*buttons, "CmdClose", QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    connect(CmdRun, &QPushButton::clicked, this, &CropBalanceDialog::CmdRun_Click);
    connect(CmdSave, &QPushButton::clicked, this, &CropBalanceDialog::CmdSave_Click);
    connect(CmdAddToRain, &QPushButton::clicked, this, &CropBalanceDialog::CmdAddToRain_Click);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::hide);

    auto* top = new QHBoxLayout;
    top->addLayout(settings);
    top->addLayout(results, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);
    showForm();
    showBalance();
    resize(1040, 640);
}

QWidget* CropBalanceDialog::buildCropFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Built-in crop and soil"), this);
    frame->setObjectName(QStringLiteral("FrameCrop"));
    ComboCrop = new QComboBox(frame);
    ComboCrop->setObjectName(QStringLiteral("ComboCrop"));
    for (const Preset& preset : CropPresets()) ComboCrop->addItem(Text(preset.name));
    ComboSoil = new QComboBox(frame);
    ComboSoil->setObjectName(QStringLiteral("ComboSoil"));
    for (const Preset& preset : SoilPresets()) ComboSoil->addItem(Text(preset.name));
    auto* cropLabel = new QLabel(QStringLiteral("&Crop"), frame);
    cropLabel->setObjectName(QStringLiteral("LabelCrop"));
    cropLabel->setBuddy(ComboCrop);
    auto* soilLabel = new QLabel(QStringLiteral("S&oil"), frame);
    soilLabel->setObjectName(QStringLiteral("LabelSoil"));
    soilLabel->setBuddy(ComboSoil);
    connect(ComboCrop, &QComboBox::activated, this, &CropBalanceDialog::ComboCrop_Activated);
    connect(ComboSoil, &QComboBox::activated, this, &CropBalanceDialog::ComboSoil_Activated);
    ComboEt = new QComboBox(frame);
    ComboEt->setObjectName(QStringLiteral("ComboEt"));
    ComboEt->setToolTip(QStringLiteral("The reference ET column the crop coefficients multiply"));
    auto* etLabel = new QLabel(QStringLiteral("&ET"), frame);
    etLabel->setObjectName(QStringLiteral("LabelEt"));
    etLabel->setBuddy(ComboEt);
    connect(ComboEt, &QComboBox::activated, this, &CropBalanceDialog::ComboEt_Activated);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(cropLabel);
    layout->addWidget(ComboCrop, 1);
    layout->addWidget(soilLabel);
    layout->addWidget(ComboSoil, 1);
    layout->addWidget(etLabel);
    layout->addWidget(ComboEt, 1);
    return frame;
}

QWidget* CropBalanceDialog::buildKeysFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Crop description (choosing a crop or soil fills its keys)"), this);
    frame->setObjectName(QStringLiteral("FrameKeys"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("dd/mm/yyyy")) + 16;
    int k = 0;
    for (const std::string_view key : CropBoxKeys()) {
        std::string& text = workbench_.cropBalance.keys[std::string(key)];
        const QByteArray name = "Text_" + QByteArray(key.data(), static_cast<qsizetype>(key.size()));
        QLineEdit* box = textBox(name.constData(), text, frame);
        box->setFixedWidth(boxWidth);
        auto* label = new QLabel(Text(key), frame);
        label->setObjectName(QStringLiteral("Label_") + Text(key));
        label->setBuddy(box);
        grid->addWidget(label, k / kKeyPairsPerRow, 2 * (k % kKeyPairsPerRow));
        grid->addWidget(box, k / kKeyPairsPerRow, 2 * (k % kKeyPairsPerRow) + 1);
        Text_[std::string(key)] = box;
        ++k;
    }
    Text_.at("planting")->setPlaceholderText(QStringLiteral("dd/mm/yyyy"));
    return frame;
}

QWidget* CropBalanceDialog::buildIrrigationFrame()
{
    CropBalanceForm& form = workbench_.cropBalance;
    auto* frame = new QGroupBox(QStringLiteral("Irrigation"), this);
    frame->setObjectName(QStringLiteral("FrameIrrigation"));
    irrigationChoice_ = new QButtonGroup(frame);
    const auto option = [&](QRadioButton*& button, const char* name, const QString& caption, CropIrrigationChoice choice) {
        button = new QRadioButton(caption, frame);
        button->setObjectName(QString::fromLatin1(name));
        irrigationChoice_->addButton(button, static_cast<int>(choice));
    };
    option(OptionNone, "OptionNone", QStringLiteral("&None, rain only"), CropIrrigationChoice::None);
    option(OptionRaw, "OptionRaw", QStringLiteral("Automatic when Dr reaches RA&W"), CropIrrigationChoice::Raw);
    option(OptionGiven, "OptionGiven", QStringLiteral("&Given in a file:"), CropIrrigationChoice::Given);
    option(OptionTaw, "OptionTaw", QStringLiteral("Automatic when Dr reaches a fraction of &TAW:"),
           CropIrrigationChoice::FractionOfTaw);
    connect(irrigationChoice_, &QButtonGroup::idClicked, this, [this](int id) {
        workbench_.cropBalance.irrigation = static_cast<CropIrrigationChoice>(id);
        showForm();
    });
    TextIrrigationFile = textBox("TextIrrigationFile", form.irrigationFile, frame);
    TextIrrigationFile->setPlaceholderText(QStringLiteral("date<TAB>depth mm[<TAB>fw] a line"));
    CmdBrowse = new QPushButton(QStringLiteral("&Browse..."), frame);
    CmdBrowse->setObjectName(QStringLiteral("CmdBrowse"));
    connect(CmdBrowse, &QPushButton::clicked, this, &CropBalanceDialog::CmdBrowse_Click);
    TextFraction = textBox("TextFraction", form.fraction, frame);
    TextDepth = textBox("TextDepth", form.depth, frame);
    TextDepth->setPlaceholderText(QStringLiteral("back to field capacity"));
    TextEfficiency = textBox("TextEfficiency", form.efficiency, frame);
    const auto caption = [frame](const char* name, const QString& text, QLineEdit* box) {
        auto* label = new QLabel(text, frame);
        label->setObjectName(QString::fromLatin1(name));
        label->setBuddy(box);
        return label;
    };

    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->addWidget(OptionNone, 0, 0);
    grid->addWidget(OptionRaw, 0, 1, 1, 3);
    grid->addWidget(OptionGiven, 1, 0);
    grid->addWidget(TextIrrigationFile, 1, 1, 1, 2);
    grid->addWidget(CmdBrowse, 1, 3);
    grid->addWidget(OptionTaw, 2, 0, 1, 2);
    grid->addWidget(TextFraction, 2, 2);
    auto* amounts = new QHBoxLayout;
    amounts->addWidget(caption("LabelDepth", QStringLiteral("Depth (mm)"), TextDepth));
    amounts->addWidget(TextDepth, 1);
    amounts->addWidget(caption("LabelEfficiency", QStringLiteral("Efficiency (%)"), TextEfficiency));
    amounts->addWidget(TextEfficiency);
    grid->addLayout(amounts, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    return frame;
}

QLineEdit* CropBalanceDialog::textBox(const char* name, std::string& text, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QLineEdit::textEdited, this, [&text](const QString& typed) { text = typed.toStdString(); });
    return box;
}

void CropBalanceDialog::showForm()
{
    const CropBalanceForm& form = workbench_.cropBalance;
    ComboCrop->setCurrentText(Text(form.crop));
    ComboSoil->setCurrentText(Text(form.soil));
    // The ET labels of the sheet as it is now, the chosen one kept when it is gone.
    ComboEt->clear();
    ComboEt->addItem(QStringLiteral("ASCE short or PenMon"), QString());
    const EtColumns found = FindEtColumns(workbench_.sheet);
    for (std::size_t k = 0; k < kEtLabels.size(); ++k)
        if (found.column[k + 1] != 0 || form.etLabel == kEtLabels[k]) ComboEt->addItem(Text(kEtLabels[k]), Text(kEtLabels[k]));
    ComboEt->setCurrentIndex(std::max(0, ComboEt->findData(Text(form.etLabel))));
    for (const auto& [key, box] : Text_) box->setText(Text(form.keys.at(key)));
    irrigationChoice_->button(static_cast<int>(form.irrigation))->setChecked(true);
    TextIrrigationFile->setText(Text(form.irrigationFile));
    TextFraction->setText(Text(form.fraction));
    TextDepth->setText(Text(form.depth));
    TextEfficiency->setText(Text(form.efficiency));
    const bool given = form.irrigation == CropIrrigationChoice::Given;
    const bool automatic = form.irrigation == CropIrrigationChoice::Raw || form.irrigation == CropIrrigationChoice::FractionOfTaw;
    TextIrrigationFile->setEnabled(given);
    CmdBrowse->setEnabled(given);
    TextFraction->setEnabled(form.irrigation == CropIrrigationChoice::FractionOfTaw);
    TextDepth->setEnabled(automatic);
    TextEfficiency->setEnabled(given || automatic);
}

void CropBalanceDialog::showBalance()
{
    const CropBalanceForm& form = workbench_.cropBalance;
    QChart* old = ChartCrop->chart();
    TableSummary->setRowCount(0);
    if (!form.balance) {
        auto* empty = new QChart;
        empty->setTitle(QStringLiteral("Run draws the season here."));
        ChartCrop->setChart(empty); // the view owns it
        delete old;
        LabelResult->setText(QStringLiteral("Choose a crop and a soil, write the planting day, then Run."));
        TableSummary->hide();
        CmdSave->setEnabled(false);
        CmdAddToRain->setEnabled(false);
        return;
    }
    const CropBalance& balance = *form.balance;
    ChartCrop->setChart(BuildCropBalanceChart(balance).release());
    delete old;

    const auto lines = SummaryLines(balance);
    const int rows = static_cast<int>((lines.size() + 1) / 2);
    TableSummary->setRowCount(rows);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i) % rows, column = 2 * (static_cast<int>(i) / rows);
        TableSummary->setItem(row, column, new QTableWidgetItem(lines[i].first));
        auto* value = new QTableWidgetItem(lines[i].second);
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TableSummary->setItem(row, column + 1, value);
    }
    TableSummary->setFixedHeight(TableSummary->verticalHeader()->defaultSectionSize() * rows + 2 * TableSummary->frameWidth());
    TableSummary->show();

    // The applied depths as the daily table and "Add irrigation to rain" write them, to 0.01 mm.
    int waterings = 0;
    double applied = 0; // [mm], gross
    for (const CropBalanceDay& d : balance.days)
        if (d.gross > 0) {
            ++waterings;
            applied += std::round(d.gross * 100) / 100;
        }
    const QString season = QStringLiteral("%1 days from %2 to %3")
                               .arg(balance.days.size())
                               .arg(Text(balance.days.front().date), Text(balance.days.back().date));
    const QString water = waterings == 0 ? QStringLiteral("no irrigation")
                                         : QStringLiteral("%1 irrigation%2, %3 mm applied")
                                               .arg(waterings)
                                               .arg(waterings == 1 ? QString() : QStringLiteral("s"),
                                                    Text(DecimalText(std::round(applied * 100) / 100)));
    QString added;
    if (form.addedToRain) added = QStringLiteral(" Added to the rain column.");
    LabelResult->setText(season + QStringLiteral(": ") + water + QStringLiteral(".") + added);
    CmdSave->setEnabled(true);
    CmdAddToRain->setEnabled(waterings > 0 && !form.addedToRain);
}

void CropBalanceDialog::ComboCrop_Activated(int index)
{
    ChooseCropPreset(workbench_.cropBalance, ComboCrop->itemText(index).toStdString());
    showForm();
}

void CropBalanceDialog::ComboSoil_Activated(int index)
{
    ChooseSoilPreset(workbench_.cropBalance, ComboSoil->itemText(index).toStdString());
    showForm();
}

void CropBalanceDialog::ComboEt_Activated(int index)
{
    workbench_.cropBalance.etLabel = ComboEt->itemData(index).toString().toStdString();
}

void CropBalanceDialog::CmdBrowse_Click()
{
    const auto name = ui_.chooseOpenFile("*.txt", kIrrigationFilters);
    if (!name) return;
    workbench_.cropBalance.irrigationFile = *name;
    showForm();
}

void CropBalanceDialog::CmdRun_Click()
{
    RunCropBalanceForm(workbench_, ui_);
    workbench_.cropBalance.addedToRain = false;
    showBalance();
}

void CropBalanceDialog::CmdSave_Click()
{
    if (workbench_.cropBalance.balance) SaveCropBalanceFiles(workbench_, *workbench_.cropBalance.balance, ui_);
}

void CropBalanceDialog::CmdAddToRain_Click()
{
    CropBalanceForm& form = workbench_.cropBalance;
    if (!form.balance) return;
    emit applying();
    if (!AddCropIrrigationToRain(workbench_, *form.balance, ui_)) return;
    form.addedToRain = true;
    emit sheetChanged();
    showBalance();
}

} // namespace etp
