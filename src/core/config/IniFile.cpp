#include "IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

struct IniLine
{
    QByteArray raw; // the line's bytes without its ending
    QString text;   // decoded
    QByteArray eol; // its own ending: "\n", "\r\n", or none on a last line without one
};

struct IniDocument
{
    std::vector<IniLine> lines;
    // The ending new lines get: CRLF where the file has any, else LF.
    QByteArray newEol = "\n";
};

namespace {

using Line = IniLine;
using Document = IniDocument;

QString decode(const QByteArray &bytes, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(bytes);
    return QString::fromLatin1(bytes);
}

Document parse(const QByteArray &bytes)
{
    Document doc;
    QStringDecoder probe(QStringDecoder::Utf8);
    const QString decoded = probe.decode(bytes);
    Q_UNUSED(decoded)
    const bool utf8 = !probe.hasError();
    if (bytes.contains("\r\n"))
        doc.newEol = "\r\n";
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        QByteArray eol = "\n";
        if (end < 0) {
            end = bytes.size();
            eol.clear();
        }
        QByteArray raw = bytes.mid(start, end - start);
        if (!eol.isEmpty() && raw.endsWith('\r')) {
            raw.chop(1);
            eol = "\r\n";
        }
        doc.lines.push_back({raw, decode(raw, utf8), eol});
        start = end + 1;
    }
    return doc;
}

QByteArray serialize(const Document &doc)
{
    QByteArray out;
    for (const Line &line : doc.lines)
        out += line.raw + line.eol;
    return out;
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
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    // The rename itself reaches the disk only with its folder.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

// Where a write goes: the file a symbolic link leads to, so the link stays.
QString writeTarget(const QString &path)
{
    QString target = path;
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target;
}

// Drops control characters (a NUL included) from a value read.
QString withoutControls(QString value)
{
    value.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    return value;
}

} // namespace

IniFile::IniFile(const QString &path, const QString &defaultSection) : m_path(path), m_section(defaultSection) {}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

IniFile::Status IniFile::status() const
{
    return snapshot().status;
}

QString IniFile::whyNotRead() const
{
    switch (status()) {
    case TooLarge:
        return QStringLiteral("%1 is larger than %2 KiB and was not read.").arg(m_path).arg(MaxSize / 1024);
    case Unreadable:
        return QStringLiteral("%1 could not be read.").arg(m_path);
    case Present:
    case Missing:
        break;
    }
    return QString();
}

const IniFile::Snapshot &IniFile::snapshot() const
{
    // Every access sees the file as it is now; a file unchanged since the
    // last access is not read and parsed again.
    struct stat st;
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0) {
        m_snapshot = Snapshot();
        m_snapshot.status = errno == ENOENT || errno == ENOTDIR ? Missing : Unreadable;
        m_snapshot.document = std::make_shared<const Document>();
        return m_snapshot;
    }
    const FileIdentity id{quint64(st.st_dev),        quint64(st.st_ino),         qint64(st.st_size),
                          qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec),
                          qint64(st.st_ctim.tv_nsec)};
    if (m_snapshot.document && m_snapshot.identity == id)
        return m_snapshot;
    m_snapshot = Snapshot();
    m_snapshot.identity = id;
    m_snapshot.document = std::make_shared<const Document>();
    if (!S_ISREG(st.st_mode)) {
        m_snapshot.status = S_ISDIR(st.st_mode) ? Missing : Unreadable;
        return m_snapshot;
    }
    if (st.st_size > MaxSize) {
        m_snapshot.status = TooLarge;
        return m_snapshot;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_snapshot.status = Unreadable;
        return m_snapshot;
    }
    const QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        m_snapshot.status = Unreadable;
        return m_snapshot;
    }
    m_snapshot.document = std::make_shared<const Document>(parse(bytes));
    m_snapshot.status = Present;
    return m_snapshot;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Document &doc = *snapshot().document;
    const Position pos = find(doc, section, key);
    if (pos.key < 0)
        return def;
    QString k, value;
    splitEntry(doc.lines[pos.key].text, &k, &value);
    return withoutControls(unquote(value));
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
    write({{section, key, value}});
}

void IniFile::write(const QList<Entry> &entries)
{
    const QString target = writeTarget(m_path);
    // Never from a failed read: the file would lose what could not be read.
    IniFile file(target);
    const Status status = file.status();
    if (status == Unreadable || status == TooLarge)
        throw IniWriteError(m_path);
    const QFileInfo info(target);
    if (info.exists() && !info.isWritable())
        throw IniWriteError(m_path);

    Document doc = *file.snapshot().document;
    auto entryLine = [](const QString &k, const QString &v, const QByteArray &eol) {
        const QString text = k + u'=' + v;
        return Line{text.toUtf8(), text, eol};
    };
    // A line that gets a line after it needs an ending of its own.
    auto ensureEnding = [&doc](qsizetype at) {
        if (at >= 0 && at < qsizetype(doc.lines.size()) && doc.lines[at].eol.isEmpty())
            doc.lines[at].eol = doc.newEol;
    };
    for (const Entry &e : entries) {
        const Position pos = find(doc, e.section, e.key);
        if (pos.key >= 0) {
            // Keep the key's spelling as the file has it; only the value changes.
            QString oldKey;
            splitEntry(doc.lines[pos.key].text, &oldKey, nullptr);
            doc.lines[pos.key] = entryLine(oldKey, e.value, doc.lines[pos.key].eol);
        } else if (pos.section >= 0) {
            qsizetype at = pos.sectionEnd;
            while (at - 1 > pos.section && doc.lines[at - 1].text.trimmed().isEmpty())
                --at;
            // At the end of a file without a final ending, the new line stays without one.
            const QByteArray before = doc.lines[at - 1].eol;
            ensureEnding(at - 1);
            doc.lines.insert(doc.lines.begin() + at,
                             entryLine(e.key, e.value, before.isEmpty() ? QByteArray() : before));
        } else {
            ensureEnding(qsizetype(doc.lines.size()) - 1);
            if (!doc.lines.empty() && !doc.lines.back().text.trimmed().isEmpty())
                doc.lines.push_back({{}, {}, doc.newEol});
            const QString header = u'[' + e.section + u']';
            doc.lines.push_back({header.toUtf8(), header, doc.newEol});
            doc.lines.push_back(entryLine(e.key, e.value, doc.newEol));
        }
    }
    if (!replaceFile(target, serialize(doc)))
        throw IniWriteError(m_path);
}

void IniFile::removeStaleTemporaries(const QString &path, int olderThanSeconds)
{
    const QFileInfo file(writeTarget(path));
    const QDir folder = file.absoluteDir();
    // mkstemp's names: the file's name, a dot and six letters or digits.
    const QRegularExpression ours(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(file.fileName())));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-olderThanSeconds);
    for (const QFileInfo &entry :
         folder.entryInfoList({file.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        if (ours.match(entry.fileName()).hasMatch() && !entry.isSymLink() && entry.lastModified() < before)
            QFile::remove(entry.absoluteFilePath());
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}
