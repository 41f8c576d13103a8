#pragma once

#include <QString>
#include <stdexcept>

// A send the network refused; the text says why.
class SocketError : public std::runtime_error
{
public:
    explicit SocketError(const QString &text) : std::runtime_error(text.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
