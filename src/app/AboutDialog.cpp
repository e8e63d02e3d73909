#include "app/AboutDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "app/AppIcon.h"
#include "app/QtUserInterface.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

constexpr const char* kDescription =
    "Program for computing reference ET and produce models meteo files\r"
    "Development and programming by \r"
    "\r"
    "the ETP computation development team\r"
    "\r"
    "with the cooperation of:\r"
    "\r"
    "the agro-meteorology field staff\r"
    "the weather station network operators\r"
    "the crop and soil modelling group\r"
    "everyone who tested the program and sent comments\r"
    "\r"
    "Rev 05/03/2000 FAO 56 Compliant";

constexpr const char* kDisclaimer = "Warning .. program as is, no warranty\rany comment wellcome !";

constexpr const char* kSystemInfoUnavailable = "System Information Is Unavailable At This Time";

// The system's information viewer where there is one, else a desktop's system monitor:
// the nearest thing most Linux desktops have.
constexpr const char* kSystemInfoTools[] = {"msinfo32",          "gnome-system-monitor", "plasma-systemmonitor",
                                            "ksysguard",         "mate-system-monitor",  "xfce4-taskmanager",
                                            "lxtask",            "hardinfo"};

QLabel* NamedLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

AboutDialog::AboutDialog(UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui)
{
    setObjectName(QStringLiteral("frmAbout"));

    picIcon = NamedLabel("picIcon", this);
    picIcon->setPixmap(AppIcon().pixmap(48, 48));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblTitle = NamedLabel("lblTitle", this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = NamedLabel("lblVersion", this);
    lblDescription = NamedLabel("lblDescription", this);
    lblDisclaimer = NamedLabel("lblDisclaimer", this);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, 3, 1);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    layout->addWidget(line, 3, 0, 1, 2);
    layout->addLayout(bottom, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    Form_Load();
}

void AboutDialog::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kApplicationTitle));
    lblTitle->setText(QString::fromLatin1(kApplicationTitle));
    lblVersion->setText(QStringLiteral("Version ") + QString::fromLatin1(kVersion));
    lblDescription->setText(ShownText(kDescription));
    lblDisclaimer->setText(ShownText(kDisclaimer));
}

void AboutDialog::cmdOK_Click()
{
    hide();
    deleteLater();
}

void AboutDialog::cmdSysInfo_Click()
{
    for (const char* tool : kSystemInfoTools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
    }
    ui_.message(kSystemInfoUnavailable, kApplicationTitle);
}

} // namespace etp
