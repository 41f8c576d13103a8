#include "UiLogging.h"

Q_LOGGING_CATEGORY(lcUi, "quillet.ui", QtWarningMsg)
