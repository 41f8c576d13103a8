#include "VoiceLogging.h"

Q_LOGGING_CATEGORY(lcVoice, "quillet.voice", QtWarningMsg)
