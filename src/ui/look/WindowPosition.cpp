#include "WindowPosition.h"

#include "core/config/IniFile.h"

#include <QWidget>

namespace window_position {

namespace {

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
    const bool enabled = ini.readInteger(name + QLatin1String(".enabled"), window.isEnabled() ? -1 : 0) != 0;
    ini.readInteger(name + QLatin1String(".dockOrnt"), 0); // read for the order; nothing docks
    const int state = ini.readInteger(name + QLatin1String(".windowState"), 0);

    window.move(left, top);
    // The saved size is the outer size; a fixed-size window keeps its own.
    const QSize frame = bounds.size() - window.size();
    window.resize(width - frame.width(), height - frame.height());
    window.setEnabled(enabled);
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
