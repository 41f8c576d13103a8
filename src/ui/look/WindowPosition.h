#pragma once

#include <QString>

class IniFile;
class QWidget;

// Saves and restores a top-level window's position under keys named after
// the window: name + ".windowState", ".left", ".top", ".width", ".height",
// ".enabled", ".docked", ".dockOrnt". Booleans are -1 and 0; any non-zero
// integer reads as true.
namespace window_position {

// Records the state first, then puts the window in the normal state, so the
// bounds saved are the normal bounds. Throws IniWriteError.
void save(QWidget &window, const QString &name, IniFile &ini);

// Each read defaults to the window's current value; the window is kept within
// reach on a screen (its title bar and some of its width), enabled; the state is applied last
// and only when it differs from the current one.
void restore(QWidget &window, const QString &name, const IniFile &ini);

} // namespace window_position
