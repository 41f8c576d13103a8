#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// 7-bit ASCII as the DSC datagrams carry it: one byte per character, "?"
// for anything outside 7-bit ASCII, both ways.
inline QByteArray ascii_encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        out.append(c < 0x80 ? char(c) : '?');
    return out;
}

inline QString ascii_decode(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char b : bytes)
        *d++ = QChar(uchar(b) < 0x80 ? char16_t(uchar(b)) : u'?');
    return out;
}
