#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <stdexcept>

struct IniDocument;

// A write to the profile file that did not reach the disk.
class IniWriteError : public std::runtime_error
{
public:
    explicit IniWriteError(const QString &path);
    QString message() const { return QString::fromUtf8(what()); }
};

// INI profile file with the semantics the station's files were made for:
// section and key names match without regard to case, a missing key reads as
// the caller's default, and every read or write sees the file as it is now
// (hand edits made meanwhile are seen; a file unchanged since the last
// access, by size, times and inode, is not parsed again).
//
// Decoding: the file is read as UTF-8 when it is valid UTF-8, else as
// Latin-1 (a file written in a Western Windows code page); control
// characters in values are dropped. New values are written as UTF-8. A write
// changes only the lines of its keys; every other line keeps its bytes,
// comments, order and line ending.
//
// Writes go to a temporary file in the same folder that is renamed over the
// old one, so the file on disk is always the old or the new version. A
// symbolic link is written through, to its target. A file that cannot be
// read, or is over MaxSize, reads as empty and is never written.
class IniFile
{
public:
    explicit IniFile(const QString &path, const QString &defaultSection = QString());

    // Larger files are not read: a settings file or channel table is a few
    // hundred bytes, and parsing a huge one would hold up the start.
    static constexpr qint64 MaxSize = 1024 * 1024;

    enum Status { Present, Missing, Unreadable, TooLarge };

    const QString &fileName() const { return m_path; }
    bool exists() const;
    Status status() const;
    // For a file that is there but was not read (too large, or unreadable),
    // the sentence that tells the user; else empty.
    QString whyNotRead() const;

    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal (or $/0x hexadecimal) 32-bit integer; empty or malformed text gives def.
    int readInteger(const QString &section, const QString &key, int def) const;

    // Throws IniWriteError when the file cannot be written, or was not read.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };
    // All entries in one replacement of the file, in their order, as that
    // many single writes would leave it.
    void write(const QList<Entry> &entries);

    // Removes temporary files of writes to path that a crash left behind,
    // those older than the given age.
    static void removeStaleTemporaries(const QString &path, int olderThanSeconds = 10);

    // Shorthands for the accessor's default section.
    QString readString(const QString &key, const QString &def) const { return readString(m_section, key, def); }
    int readInteger(const QString &key, int def) const { return readInteger(m_section, key, def); }
    void writeInteger(const QString &key, int value) { writeInteger(m_section, key, value); }

    static bool parseInteger(const QString &text, int *value);

private:
    struct FileIdentity
    {
        quint64 device = 0, inode = 0;
        qint64 size = -1, modified = 0, modifiedNs = 0, changed = 0, changedNs = 0;
        friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
    };
    struct Snapshot
    {
        FileIdentity identity;
        Status status = Missing;
        std::shared_ptr<const IniDocument> document;
    };
    const Snapshot &snapshot() const;

    QString m_path;
    QString m_section;
    mutable Snapshot m_snapshot;
};
