#pragma once

#include <QStringList>

// The IPv4 addresses of this machine as dotted text, in the order in which
// resolving the machine's own host name returns them.
QStringList local_ipv4_addresses();

// "0.0.0.0" followed by the local addresses: the bind-address list.
QStringList bind_address_list();
