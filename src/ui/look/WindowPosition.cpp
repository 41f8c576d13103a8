#include "WindowPosition.h"

#include "core/config/IniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace window_position {

namespace {

constexpr int Grip = 100;

// The desktop area of the screen that holds point, else of the primary screen.
QRect available_area(const QPoint &point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int stateCode(const QWidget &window)
{
    if (window.isMinimized())
        return 1;
    if (window.isMaximized())
        return 2;
    return 0;
}

} // namespace

void save(QWidget &window, const QString &name, IniFile &ini)
{
    ini.writeInteger(name + QLatin1String(".windowState"), stateCode(window));
    if (stateCode(window) != 0)
        window.setWindowState(window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    const QRect bounds = window.frameGeometry();
    ini.writeInteger(name + QLatin1String(".left"), bounds.left());
    ini.writeInteger(name + QLatin1String(".top"), bounds.top());
    ini.writeInteger(name + QLatin1String(".width"), bounds.width());
    ini.writeInteger(name + QLatin1String(".height"), bounds.height());
    ini.writeInteger(name + QLatin1String(".enabled"), window.isEnabled() ? -1 : 0);
    ini.writeInteger(name + QLatin1String(".docked"), 0); // no dock hosts here
    ini.writeInteger(name + QLatin1String(".dockOrnt"), 0);
}

void restore(QWidget &window, const QString &name, const IniFile &ini)
{
    const QRect bounds = window.frameGeometry();
    const int left = ini.readInteger(name + QLatin1String(".left"), bounds.left());
    const int top = ini.readInteger(name + QLatin1String(".top"), bounds.top());
    const int width = ini.readInteger(name + QLatin1String(".width"), bounds.width());
    const int height = ini.readInteger(name + QLatin1String(".height"), bounds.height());
    // Read for the order only: a window restored disabled could not even be
    // closed, and nothing docks.
    ini.readInteger(name + QLatin1String(".enabled"), -1);
    ini.readInteger(name + QLatin1String(".dockOrnt"), 0);
    const int state = ini.readInteger(name + QLatin1String(".windowState"), 0);

    // The saved size is the outer size; a fixed-size window keeps its own.
    const QSize frame = bounds.size() - window.size();
    const QRect area = available_area(QPoint(left, top));
    auto clamp = [](qint64 value, qint64 low, qint64 high) { return int(qBound(low, value, qMax(low, high))); };
    const int w = clamp(qint64(width) - frame.width(), window.minimumWidth(), area.width() - frame.width());
    const int h = clamp(qint64(height) - frame.height(), window.minimumHeight(), area.height() - frame.height());
    window.resize(w, h);
    // Within reach: its title bar, and at least Grip pixels of its width, on a
    // screen. A position off every screen would leave the window out of reach.
    const QSize outer = window.size() + frame;
    const int grip = qMin(Grip, outer.width());
    window.move(clamp(left, qint64(area.left()) + grip - outer.width(), qint64(area.right()) + 1 - grip),
                clamp(top, area.top(), qint64(area.bottom()) + 1 - qMax(frame.height(), Grip / 4)));
    window.setEnabled(true);
    if (state != stateCode(window)) {
        Qt::WindowStates s = window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (state == 1)
            s |= Qt::WindowMinimized;
        else if (state == 2)
            s |= Qt::WindowMaximized;
        window.setWindowState(s);
    }
}

} // namespace window_position
