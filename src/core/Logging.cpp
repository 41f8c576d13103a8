#include "Logging.h"

Q_LOGGING_CATEGORY(lcDsc, "quillet.dsc", QtWarningMsg)
Q_LOGGING_CATEGORY(lcConfig, "quillet.config", QtWarningMsg)
