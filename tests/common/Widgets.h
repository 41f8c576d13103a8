#pragma once

#include <QObject>
#include <QTest>

// A widget of a window by its objectName; fails the test when it is missing.
template <typename T>
T *child(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}
