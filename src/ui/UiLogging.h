#pragma once

#include <QLoggingCategory>

// quillet.ui: what the window tells the user; silent unless enabled with
// QT_LOGGING_RULES="quillet.ui.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcUi)
