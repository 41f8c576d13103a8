#include "AckAvailability.h"

#include "core/dsc/DscProtocol.h"

using namespace dsc::words;

std::array<bool, 6> ack_availability(const QString &to, const QString &format, const QString &category,
                                     const QString &informations, const QString &ownMmsi)
{
    const bool individualToUs = format == Individual && to == ownMmsi;
    return {
        format == Distress,
        individualToUs && category == Routine && informations == QLatin1StringView("TELEPHONY"),
        individualToUs && informations == PosRequest,
        individualToUs && informations == PosReport,
        individualToUs && informations == Polling,
        individualToUs && informations == TestCall,
    };
}
