#pragma once

#include <QString>
#include <QStringList>

// What the configuration shows in the main window: the status panels and
// the bind-address list with the receiver's bind address.
class ConfigurationView
{
public:
    virtual ~ConfigurationView() = default;
    virtual void setStatusText(int panel, const QString &text) = 0;
    // Selects entry index of the list; an index off the list selects nothing,
    // and the bind address is then empty.
    virtual void setBindAddresses(const QStringList &addresses, int index) = 0;
};

// The configuration file: the program's folder followed by "quillet.ini".
QString configuration_path();

QString configuration_missing_text();

// Reads the station keys into the global station state and shows them.
void load_configuration(ConfigurationView &view);
