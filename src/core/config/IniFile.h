#pragma once

#include <QString>
#include <stdexcept>

// A write to the profile file that did not reach the disk.
class IniWriteError : public std::runtime_error
{
public:
    explicit IniWriteError(const QString &path);
    QString message() const { return QString::fromUtf8(what()); }
};

// INI profile file with the semantics the station's files were made for:
// section and key names match without regard to case, a missing key reads as
// the caller's default, and every read or write is a complete access to the
// file (nothing is cached, so hand edits made meanwhile are seen).
//
// Decoding: the file is read as UTF-8 when it is valid UTF-8, else as
// Latin-1 (a file written in a Western Windows code page). New values are
// written as UTF-8. A write changes one line only; every other line keeps its
// bytes, comments, order and line ending.
//
// Writes go to a temporary file in the same folder that is renamed over the
// old one, so the file on disk is always the old or the new version.
class IniFile
{
public:
    explicit IniFile(const QString &path, const QString &defaultSection = QString());

    const QString &fileName() const { return m_path; }
    bool exists() const;

    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal (or $/0x hexadecimal) 32-bit integer; empty or malformed text gives def.
    int readInteger(const QString &section, const QString &key, int def) const;

    // Throws IniWriteError when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Shorthands for the accessor's default section.
    QString readString(const QString &key, const QString &def) const { return readString(m_section, key, def); }
    int readInteger(const QString &key, int def) const { return readInteger(m_section, key, def); }
    void writeInteger(const QString &key, int value) { writeInteger(m_section, key, value); }

    static bool parseInteger(const QString &text, int *value);

private:
    QString m_path;
    QString m_section;
};
