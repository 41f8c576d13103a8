#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

IniWriteError::IniWriteError(const QString &path)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(path).toStdString())
{}

namespace {

struct Line
{
    QByteArray raw; // the line's bytes without its ending
    QString text;   // decoded
};

struct Document
{
    std::vector<Line> lines;
    QByteArray eol = "\n";
    bool endsWithEol = true;
};

QString decode(const QByteArray &bytes, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(bytes);
    return QString::fromLatin1(bytes);
}

Document load(const QString &path)
{
    Document doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return doc;
    const QByteArray bytes = file.readAll();
    QStringDecoder probe(QStringDecoder::Utf8);
    const QString decoded = probe.decode(bytes);
    Q_UNUSED(decoded)
    const bool utf8 = !probe.hasError();
    if (bytes.contains("\r\n"))
        doc.eol = "\r\n";
    doc.endsWithEol = bytes.isEmpty() || bytes.endsWith('\n');
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        doc.lines.push_back({raw, decode(raw, utf8)});
        start = end + 1;
    }
    return doc;
}

// "[name]" gives name; anything else gives a null string.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return QString();
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return QString();
    return t.mid(1, close - 1).trimmed();
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// Splits "key = value" at the first '='; false for anything that is no entry.
bool splitEntry(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith(u'['))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Position
{
    qsizetype section = -1;    // index of the section header line
    qsizetype sectionEnd = -1; // one past the section's last line
    qsizetype key = -1;        // index of the key's line
};

Position find(const Document &doc, const QString &section, const QString &key)
{
    Position pos;
    for (qsizetype i = 0; i < qsizetype(doc.lines.size()); ++i) {
        const QString name = sectionName(doc.lines[i].text);
        if (!name.isNull()) {
            if (pos.section >= 0) {
                pos.sectionEnd = i;
                return pos;
            }
            if (sameName(name, section))
                pos.section = i;
            continue;
        }
        QString k;
        if (pos.section >= 0 && pos.key < 0 && splitEntry(doc.lines[i].text, &k, nullptr) && sameName(k, key))
            pos.key = i;
    }
    if (pos.section >= 0)
        pos.sectionEnd = qsizetype(doc.lines.size());
    return pos;
}

QString unquote(const QString &value)
{
    if (value.size() >= 2
        && ((value.startsWith(u'"') && value.endsWith(u'"')) || (value.startsWith(u'\'') && value.endsWith(u'\''))))
        return value.mid(1, value.size() - 2);
    return value;
}

// Writes data to a temporary file beside path and renames it over path, so
// the file is always the old or the new version. Every short or failed write
// counts as a failure (a full disk must not leave a truncated file behind).
bool replaceFile(const QString &path, const QByteArray &data)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    struct stat st;
    mode_t mode;
    if (::stat(target.constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0;
    qsizetype done = 0;
    while (ok && done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            done += n;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temp.constData());
    return ok;
}

} // namespace

IniFile::IniFile(const QString &path, const QString &defaultSection) : m_path(path), m_section(defaultSection) {}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Document doc = load(m_path);
    const Position pos = find(doc, section, key);
    if (pos.key < 0)
        return def;
    QString k, value;
    splitEntry(doc.lines[pos.key].text, &k, &value);
    return unquote(value);
}

bool IniFile::parseInteger(const QString &text, int *value)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty() || t.startsWith(u'-') || t.startsWith(u'+'))
        return false;
    bool ok = false;
    const qlonglong magnitude = t.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong v = negative ? -magnitude : magnitude;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    *value = int(v);
    return true;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    return parseInteger(readString(section, key, QString()), &value) ? value : def;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable())
        throw IniWriteError(m_path);

    Document doc = load(m_path);
    const Position pos = find(doc, section, key);
    auto entry = [](const QString &k, const QString &v) {
        const QString text = k + u'=' + v;
        return Line{text.toUtf8(), text};
    };
    if (pos.key >= 0) {
        // Keep the key's spelling as the file has it; only the value changes.
        QString oldKey;
        splitEntry(doc.lines[pos.key].text, &oldKey, nullptr);
        doc.lines[pos.key] = entry(oldKey, value);
    } else if (pos.section >= 0) {
        qsizetype at = pos.sectionEnd;
        while (at - 1 > pos.section && doc.lines[at - 1].text.trimmed().isEmpty())
            --at;
        doc.lines.insert(doc.lines.begin() + at, entry(key, value));
    } else {
        if (!doc.lines.empty() && !doc.lines.back().text.trimmed().isEmpty())
            doc.lines.push_back({});
        const QString header = u'[' + section + u']';
        doc.lines.push_back({header.toUtf8(), header});
        doc.lines.push_back(entry(key, value));
        doc.endsWithEol = true;
    }

    QByteArray out;
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        out += doc.lines[i].raw;
        if (i + 1 < doc.lines.size() || doc.endsWithEol)
            out += doc.eol;
    }
    if (!replaceFile(m_path, out))
        throw IniWriteError(m_path);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}
