#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

// The controls the station's pages are made of, each with its object name
// and place.
namespace station_controls {

// A push button with a bold caption, as on the station's panels.
inline QPushButton *bold_button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

inline QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

// Received texts reach labels too: never rendered as markup.
inline QLabel *plain_label(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

} // namespace station_controls
