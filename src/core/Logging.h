#pragma once

#include <QLoggingCategory>

// Developer logging of the core layer, silent unless enabled with
// QT_LOGGING_RULES="quillet.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDsc)    // quillet.dsc: datagrams sent, received, dropped
Q_DECLARE_LOGGING_CATEGORY(lcConfig) // quillet.config: settings and channel table files
