#pragma once

#include <QString>

// The "Nature" text of a DANGER code: the nature of distress for 00 to 11.
// Anything else shows what arrived, as "UNKNOWN (code)", so the trainee sees
// that an unlisted code came in rather than a wrong nature.
QString nature_text(const QString &danger);
