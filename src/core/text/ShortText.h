#pragma once

#include <QString>

// A text of at most N characters. Storing a longer text keeps its first N
// characters, silently: the station's fields and the datagram widths rely on it.
template <qsizetype N>
class ShortText
{
public:
    static constexpr qsizetype capacity = N;

    ShortText() = default;
    ShortText(const QString &text) : m_text(text.left(N)) {}
    ShortText(const char *text) : ShortText(QString::fromLatin1(text)) {}

    ShortText &operator=(const QString &text)
    {
        m_text = text.left(N);
        return *this;
    }

    ShortText &operator=(const char *text) { return *this = QString::fromLatin1(text); }

    const QString &str() const { return m_text; }
    operator const QString &() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    bool isEmpty() const { return m_text.isEmpty(); }

    friend bool operator==(const ShortText &a, const ShortText &b) { return a.m_text == b.m_text; }
    friend bool operator==(const ShortText &a, const QString &b) { return a.m_text == b; }
    friend bool operator==(const ShortText &a, const char *b) { return a.m_text == QLatin1String(b); }

private:
    QString m_text;
};
