#include "app/WindowFit.h"

#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace etp {

namespace {

// What the window manager adds around the window: the real frame once the window has
// been shown, an estimate (borders and a title bar a line high) before.
QSize FrameAllowance(const QWidget& window)
{
    const QSize real = window.frameGeometry().size() - window.geometry().size();
    if (real.width() > 0 || real.height() > 0) return real;
    return {8, window.fontMetrics().height() + 16};
}

class FitOnShow final : public QObject {
public:
    explicit FitOnShow(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("WindowFit")); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !(qobject_cast<QDialog*>(window) || qobject_cast<QMainWindow*>(window))) return false;
        const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (screen) FitWindow(*window, screen->availableGeometry());
        return false;
    }
};

} // namespace

QString TitleBarText(const QWidget& window)
{
    const QString name = QGuiApplication::applicationDisplayName();
    const QString title = window.windowTitle();
    if (title.isEmpty()) return name;
    return name.isEmpty() || title == name ? title : title + QStringLiteral(" \u2014 ") + name;
}

int TitleBarWidth(const QWidget& window)
{
    QFont font = window.font(); // title bars write in bold
    font.setBold(true);
    const QFontMetrics metrics(font);
    // The icon and the three window buttons, each about a square of a line and a margin.
    return metrics.horizontalAdvance(TitleBarText(window)) + 4 * (metrics.height() + 10) + 16;
}

void FitWindow(QWidget& window, const QRect& available)
{
    const QSize frame = FrameAllowance(window);
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    QSize size = window.size();
    // A message box sizes itself to its title already.
    if (qobject_cast<QDialog*>(&window) && !qobject_cast<QMessageBox*>(&window)) {
        const int titleWidth = std::min(TitleBarWidth(window), room.width());
        // A dialog of fixed size keeps its height and takes the title's width.
        QLayout* layout = window.layout();
        if (layout && layout->sizeConstraint() == QLayout::SetFixedSize && window.width() < titleWidth)
            layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
        if (window.minimumWidth() < titleWidth) window.setMinimumWidth(titleWidth);
        size.setWidth(std::max(size.width(), titleWidth));
    }
    // A layout that asks for more than the screen has gives way: the window is squeezed
    // rather than cut off by the screen's edge.
    if (window.minimumWidth() > room.width()) window.setMinimumWidth(room.width());
    if (window.minimumHeight() > room.height()) window.setMinimumHeight(room.height());
    size = size.boundedTo(room);
    if (size != window.size()) window.resize(size);
    // Inside the area, frame included: pos() is where the frame starts.
    const QRect outer(window.pos(), window.size() + frame);
    if (!available.contains(outer)) {
        const int x = std::clamp(outer.x(), available.left(), std::max(available.left(), available.right() + 1 - outer.width()));
        const int y = std::clamp(outer.y(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height()));
        window.move(x, y);
    }
}

void FitWindowsOnShow(QObject& application)
{
    if (application.findChild<FitOnShow*>(QStringLiteral("WindowFit"), Qt::FindDirectChildrenOnly)) return;
    application.installEventFilter(new FitOnShow(&application));
}

} // namespace etp
