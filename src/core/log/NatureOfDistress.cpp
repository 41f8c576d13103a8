#include "NatureOfDistress.h"

#include <QLatin1StringView>
#include <array>

namespace {
constexpr std::array<QLatin1StringView, 12> Natures{
    QLatin1StringView("-"),          QLatin1StringView("UNDESIGNATED"), QLatin1StringView("FIRE"),
    QLatin1StringView("FLOODING"),   QLatin1StringView("COLLISION"),    QLatin1StringView("GROUNDING"),
    QLatin1StringView("CAPSIZING"),  QLatin1StringView("SINKING"),      QLatin1StringView("ADRIFT"),
    QLatin1StringView("ABANDONING"), QLatin1StringView("PIRACY"),       QLatin1StringView("MOB")};
} // namespace

QString nature_text(const QString &danger)
{
    bool digits = !danger.isEmpty();
    for (const QChar c : danger)
        digits = digits && c >= u'0' && c <= u'9';
    const int index = digits ? danger.toInt() : -1;
    if (index >= 0 && index < int(Natures.size()))
        return Natures[size_t(index)];
    return QStringLiteral("UNKNOWN (%1)").arg(danger);
}
