#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <random>

// What a station takes from the machine it runs on: the local clock, a
// pseudo-random generator and the folders it starts in. A test hands a
// station an environment with its own clock, draws and folder.
class StationEnvironment
{
public:
    using Clock = std::function<QDateTime()>;
    using Draw = std::function<int(int below)>;

    // The system clock, a generator seeded from it, the program's folder and
    // the working directory as they are now.
    StationEnvironment();

    QDateTime now() const;
    // A whole number from 0 to below - 1 (0 when below is 1 or less).
    int below(int below);

    // The folder of the program file, with a trailing '/': the settings and
    // the files shipped with the program are found there.
    QString programFolder() const { return m_programFolder; }
    // The working directory when the station started, with a trailing '/'.
    QString startFolder() const { return m_startFolder; }

    // Installed (the program in a bin folder, its files in ../share/quillet
    // and none beside it): each user's files live in the user's own folders.
    // Otherwise, a copy run from its folder or a USB stick, they live beside
    // the program. Folders end with '/'.
    bool isInstalled() const;
    // quillet.ini's folder: beside the program, or $XDG_CONFIG_HOME/quillet.
    QString settingsFolder() const;
    // Where the channel table is looked for, in order: the working directory
    // at start, the program's folder, then the installed data folders.
    QStringList channelTableFolders() const;
    // The user's folder of recorded messages: "example" beside the program,
    // or $XDG_DATA_HOME/quillet/example.
    QString messageFolder() const;
    // Installed: makes the user's folders and copies the shipped messages
    // into the message folder, never over a file of the user's.
    void prepareUserFolders() const;

    // An empty function restores the system clock, or the generator.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setDraw(Draw draw) { m_draw = std::move(draw); }
    void seed(quint32 value) { m_generator.seed(value); }
    void setProgramFolder(const QString &folder);
    void setStartFolder(const QString &folder);

private:
    Clock m_clock;
    Draw m_draw;
    std::mt19937 m_generator;
    QString m_programFolder;
    QString m_startFolder;
};
