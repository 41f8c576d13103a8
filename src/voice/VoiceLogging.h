#pragma once

#include <QLoggingCategory>

// quillet.voice: packets dropped, devices that fail; silent unless enabled
// with QT_LOGGING_RULES="quillet.voice.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcVoice)
