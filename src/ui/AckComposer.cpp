#include "AckComposer.h"

#include "Modal.h"
#include "core/dsc/AckBuilder.h"
#include "core/station/Station.h"
#include "dialogs/ConfirmAckDialog.h"
#include "dialogs/DistressAckDialog.h"
#include "dialogs/PositionReplyDialog.h"
#include "dialogs/RoutineAckDialog.h"

#include <optional>

namespace ack_composer {

namespace {
// Shows dialog; the call to send when the trainee pressed "Transmit".
template <typename Dialog, typename Build>
std::optional<OutgoingCall> ask(Dialog &dialog, Build build)
{
    if (modal::exec_dialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return build(dialog);
}
} // namespace

void acknowledge(Station &station, QWidget *owner, int row, AckKind kind)
{
    const LogRow logged = station.log().row(row);
    const QString own = station.settings().stationMmsi;
    std::optional<OutgoingCall> call;
    switch (kind) {
    case AckKind::Distress: {
        DistressAckDialog dialog(owner, logged);
        call = ask(dialog, [&](DistressAckDialog &) { return ack_builder::distress_ack(logged, own); });
        break;
    }
    case AckKind::Routine: {
        RoutineAckDialog dialog(owner, logged);
        call = ask(dialog,
                   [&](RoutineAckDialog &d) { return ack_builder::routine_ack(logged, own, d.channel(), d.able()); });
        break;
    }
    case AckKind::PosRequest: {
        PositionReplyDialog dialog(owner, [&station] { return station.drawFix(); });
        // The fix the dialog showed is the one sent.
        call = ask(dialog, [&](PositionReplyDialog &d) { return ack_builder::position_reply(logged, own, d.fix()); });
        break;
    }
    case AckKind::PosReport: {
        ConfirmAckDialog dialog(ConfirmAckDialog::PositionReport, owner);
        call = ask(dialog, [&](ConfirmAckDialog &) { return ack_builder::position_report_ack(logged, own); });
        break;
    }
    case AckKind::Polling: {
        ConfirmAckDialog dialog(ConfirmAckDialog::Polling, owner);
        call = ask(dialog, [&](ConfirmAckDialog &) { return ack_builder::polling_ack(logged, own); });
        break;
    }
    case AckKind::Test: {
        ConfirmAckDialog dialog(ConfirmAckDialog::Test, owner);
        call = ask(dialog, [&](ConfirmAckDialog &) { return ack_builder::test_ack(logged, own); });
        break;
    }
    }
    station.acknowledge(row, kind, call ? &*call : nullptr);
}

} // namespace ack_composer
