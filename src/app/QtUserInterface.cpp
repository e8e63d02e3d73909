#include "app/QtUserInterface.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/AppSettings.h"
#include "workbench/SaveTextFile.h"

namespace etp {

QString ShownText(const std::string& text)
{
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString QtFileFilters(const std::string& filters)
{
    const QStringList parts = QString::fromUtf8(filters.c_str()).split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        // Patterns are separated by ";" here, by blanks for Qt.
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the description.
        const QString inParentheses = QLatin1Char('(') + pattern + QLatin1Char(')');
        qtFilters << (description.contains(inParentheses) ? description
                                                          : description + QLatin1Char(' ') + inParentheses);
    }
    return qtFilters.join(QStringLiteral(";;"));
}

namespace {

QMessageBox::Icon BoxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::SaveDiscardCancel: return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

Answer BoxAnswer(int button, Buttons buttons)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: break;
    }
    // The box was closed with Esc or its close box: the harmless answer.
    switch (buttons) {
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel:
    case Buttons::SaveDiscardCancel: return Answer::Cancel;
    case Buttons::Ok: break;
    }
    return Answer::Ok;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

QtUserInterface::NormalPointerWhileAsking::NormalPointerWhileAsking(QtUserInterface& ui) : ui_(ui)
{
    ui_.showPointer(Pointer::Normal);
}

QtUserInterface::NormalPointerWhileAsking::~NormalPointerWhileAsking() { ui_.showPointer(ui_.pointer()); }

QWidget* QtUserInterface::dialogParent() const
{
    if (QWidget* active = QApplication::activeWindow()) return active;
    return mainWindow_;
}

void QtUserInterface::message(const std::string& text, const std::string& title, Icon icon)
{
    question(text, title, icon, Buttons::Ok);
}

Answer QtUserInterface::question(const std::string& text, const std::string& title, Icon icon, Buttons buttons)
{
    const NormalPointerWhileAsking normal(*this);
    QMessageBox box(BoxIcon(icon), ShownText(title), ShownText(text), BoxButtons(buttons), dialogParent());
    return BoxAnswer(box.exec(), buttons);
}

std::optional<std::string> QtUserInterface::inputText(const std::string& prompt, const std::string& title,
                                                      const std::string& defaultText)
{
    const NormalPointerWhileAsking normal(*this);
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), ShownText(title), ShownText(prompt), QLineEdit::Normal,
                                                 ShownText(defaultText), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::string> QtUserInterface::chooseFromList(const std::string& prompt, const std::string& title,
                                                           const std::vector<std::string>& items,
                                                           const std::string& defaultText)
{
    const NormalPointerWhileAsking normal(*this);
    QStringList entries;
    for (std::size_t i = 0; i < items.size(); ++i)
        entries << QStringLiteral("%1)  %2").arg(i + 1).arg(ShownText(items[i]));
    QInputDialog dialog(dialogParent());
    dialog.setObjectName(QStringLiteral("ListChoice"));
    dialog.setWindowTitle(ShownText(title));
    dialog.setLabelText(ShownText(prompt));
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(entries);
    const qsizetype first = QString::fromStdString(defaultText).toLongLong() - 1;
    if (first >= 0 && first < entries.size()) dialog.setTextValue(entries[first]);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const qsizetype chosen = entries.indexOf(dialog.textValue());
    if (chosen < 0) return std::nullopt;
    return std::to_string(chosen + 1);
}

std::optional<std::string> QtUserInterface::chooseOpenFile(const std::string& initialName, const std::string& filters)
{
    const NormalPointerWhileAsking normal(*this);
    const QString qtFilters = QtFileFilters(filters);
    // The initial name is a pattern: it picks the filter the dialog starts with.
    QString selected;
    const QString initialPatterns = QString::fromUtf8(initialName.c_str()).replace(QLatin1Char(';'), QLatin1Char(' '));
    for (const QString& filter : qtFilters.split(QStringLiteral(";;")))
        if (selected.isEmpty() && filter.contains(QLatin1Char('(') + initialPatterns + QLatin1Char(')'))) selected = filter;
    const QString path = QFileDialog::getOpenFileName(dialogParent(), QStringLiteral("Open"), LastFolder(),
                                                      qtFilters, &selected);
    if (path.isEmpty()) return std::nullopt;
    SetLastFolder(QFileInfo(path).absolutePath());
    return LocalPath(path);
}

std::optional<std::string> QtUserInterface::chooseSaveFile(const std::string& initialName, const std::string& title)
{
    const NormalPointerWhileAsking normal(*this);
    QFileDialog dialog(dialogParent(), ShownText(title), LastFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString initial = QFile::decodeName(initialName.c_str());
    // A proposed name ("debilt.rn") keeps the filter of its extension ("*.rn").
    const QString suffix = QFileInfo(initial).suffix();
    const QString pattern = HasWildcard(initialName) ? initial : suffix.isEmpty() ? QString() : QStringLiteral("*.") + suffix;
    if (!pattern.isEmpty()) {
        dialog.setNameFilters({QStringLiteral("%1 (%1)").arg(pattern), QStringLiteral("All files (*)")});
        // "*.rn" -> a name typed without extension gets ".rn".
        if (pattern.startsWith(QStringLiteral("*.")) && !HasWildcard(pattern.mid(2).toStdString()))
            dialog.setDefaultSuffix(pattern.mid(2));
    }
    if (!HasWildcard(initialName)) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    SetLastFolder(QFileInfo(path).absolutePath());
    return LocalPath(path);
}

void QtUserInterface::beep() { QApplication::beep(); }

void QtUserInterface::showPointer(Pointer kind)
{
    if (kind == Pointer::Normal) {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        return;
    }
    // Both busy shapes are the system's wait cursor: the "busy with arrow" of the themes
    // (left_ptr_watch) is missing from some, and then shows no pointer at all.
    const QCursor cursor(Qt::WaitCursor);
    if (QApplication::overrideCursor())
        QApplication::changeOverrideCursor(cursor);
    else
        QApplication::setOverrideCursor(cursor);
}

} // namespace etp
