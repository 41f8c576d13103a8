#include "CallComposer.h"

#include "Modal.h"
#include "core/station/Station.h"
#include "dialogs/DestinationMmsiDialog.h"
#include "dialogs/DistressAlertDialog.h"
#include "dialogs/RoutineCallDialog.h"

namespace call_composer {

using namespace call_builder;

void routine_call(Station &station, QWidget *owner)
{
    OutgoingCall call;
    {
        RoutineCallDialog dialog(owner);
        if (modal::exec_dialog(dialog) != QDialog::Accepted)
            return;
        call = call_builder::routine_call(station.settings().stationMmsi, dialog.destination(), dialog.channelCode());
    }
    station.send(call);
}

void group_call(Station &station, QWidget *owner)
{
    OutgoingCall call;
    {
        RoutineCallDialog dialog(owner);
        if (modal::exec_dialog(dialog) != QDialog::Accepted)
            return;
        const QString group = dialog.destination();
        if (!is_group_mmsi(group)) {
            modal::message(owner, QMessageBox::NoIcon, group + QStringLiteral(" Is not a valid GROUP MMSI !"));
            return;
        }
        call = call_builder::group_call(station.settings().stationMmsi, group, dialog.channelCode());
    }
    station.send(call);
}

void all_ships_call(Station &station, QWidget *owner, AllShipsKind kind)
{
    const QString question =
        QStringLiteral("Do you want to send a\n\rDSC %1 ALERT to ALLSHIPS ?")
            .arg(kind == AllShipsKind::Safety ? QStringLiteral("SAFETY") : QStringLiteral("URGENCY"));
    if (modal::message(owner, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        station.send(call_builder::all_ships_call(kind));
}

void individual_call(Station &station, QWidget *owner, IndividualKind kind)
{
    OutgoingCall call;
    {
        DestinationMmsiDialog dialog(owner);
        if (modal::exec_dialog(dialog) != QDialog::Accepted)
            return;
        call = call_builder::individual_call(station.settings().stationMmsi, dialog.destination(), kind);
    }
    station.send(call);
}

void position_report(Station &station, QWidget *owner)
{
    OutgoingCall call;
    {
        DestinationMmsiDialog dialog(owner);
        // The fix and its time are those of the moment the dialog opens.
        const PositionFix fix = station.drawFix();
        if (modal::exec_dialog(dialog) != QDialog::Accepted)
            return;
        call = call_builder::position_report(station.settings().stationMmsi, dialog.destination(), fix);
    }
    station.send(call);
}

void distress_alert(Station &station, QWidget *owner)
{
    OutgoingCall call;
    {
        DistressAlertDialog dialog(owner);
        if (modal::exec_dialog(dialog) != QDialog::Accepted)
            return;
        call = call_builder::distress_alert(station.settings().distressedMmsi, dialog.natureCode(), station.drawFix());
    }
    station.send(call);
}

} // namespace call_composer
