#include "call_composers.h"

#include "chiamate.h"
#include "dsc_protocol.h"
#include "input_distress_send.h"
#include "input_mmsi.h"
#include "input_routine.h"
#include "position_fix.h"
#include "platform/Modal.h"
#include "shell/globals.h"

using dsc::padded;
using namespace dsc::words;

void compose_routine_call(QWidget *owner)
{
    TfrmRoutine dialog(owner);
    if (modal::exec_dialog(dialog) != QDialog::Accepted)
        return;
    const QString channel = dialog.channelCode();
    outgoing_call.TXMMSI = station_mmsi.str();
    outgoing_call.RXMMSI = dialog.destination();
    outgoing_call.FORMAT = padded(Individual);
    outgoing_call.CATEGORY = padded(Routine);
    outgoing_call.INFO1 = padded(Telephony);
    outgoing_call.CH = channel;
    send_plain_call();
}

void compose_group_call(QWidget *owner)
{
    TfrmRoutine dialog(owner);
    if (modal::exec_dialog(dialog) != QDialog::Accepted)
        return;
    const QString group = dialog.destination();
    if (!group.startsWith(u'0')) {
        modal::message(owner, QMessageBox::NoIcon, group + QStringLiteral(" Is not a valid GROUP MMSI !"));
        return;
    }
    outgoing_call.TXMMSI = station_mmsi.str();
    outgoing_call.RXMMSI = group;
    outgoing_call.FORMAT = padded(Group);
    outgoing_call.CATEGORY = padded(Routine);
    outgoing_call.INFO1 = padded(Telephony);
    outgoing_call.CH = dialog.channelCode();
    send_plain_call();
}

void compose_allships_call(QWidget *owner, AllShipsCall call)
{
    const bool safety = call == AllShipsCall::Safety;
    outgoing_call.RXMMSI = QString(dsc::AllShips);
    outgoing_call.FORMAT = padded(AllShipsFormat);
    outgoing_call.CATEGORY = padded(safety ? Safety : Urgency);
    outgoing_call.INFO1 = padded(Telephony);
    outgoing_call.CH = "16";
    const QString question = QStringLiteral("Do you want to send a\n\rDSC %1 ALERT to ALLSHIPS ?")
                                 .arg(safety ? QStringLiteral("SAFETY") : QStringLiteral("URGENCY"));
    if (modal::message(owner, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        send_plain_call();
}

void compose_individual_call(QWidget *owner, IndividualCall call)
{
    Tfrm_input_mmsi dialog(owner);
    if (modal::exec_dialog(dialog) != QDialog::Accepted)
        return;
    outgoing_call.TXMMSI = station_mmsi.str();
    outgoing_call.RXMMSI = dialog.destination();
    outgoing_call.FORMAT = padded(Individual);
    switch (call) {
    case IndividualCall::PositionRequest:
        outgoing_call.CATEGORY = padded(Safety);
        outgoing_call.INFO1 = padded(PosRequest);
        break;
    case IndividualCall::Polling:
        outgoing_call.CATEGORY = padded(Routine);
        outgoing_call.INFO1 = padded(Polling);
        break;
    case IndividualCall::Test:
        outgoing_call.CATEGORY = padded(Safety);
        outgoing_call.INFO1 = padded(TestCall);
        break;
    }
    outgoing_call.CH = "16";
    send_plain_call();
}

void compose_position_report(QWidget *owner)
{
    Tfrm_input_mmsi dialog(owner);
    // The fix and its time are those of the moment the dialog opens.
    draw_position_minutes();
    const QString time = utc_time_text();
    if (modal::exec_dialog(dialog) != QDialog::Accepted)
        return;
    outgoing_call.TXMMSI = station_mmsi.str();
    outgoing_call.RXMMSI = dialog.destination();
    outgoing_call.FORMAT = padded(Individual);
    outgoing_call.CATEGORY = padded(Safety);
    outgoing_call.INFO1 = padded(PosReport);
    outgoing_call.CH = "16";
    write_own_position(time);
    send_position_call();
}

void compose_distress_alert(QWidget *owner)
{
    TfrmDistressSend dialog(owner);
    if (modal::exec_dialog(dialog) != QDialog::Accepted)
        return;
    const QString nature = dialog.natureCode();
    draw_position_minutes();
    const QString time = utc_time_text();
    outgoing_call.TXMMSI = distressed_mmsi.str();
    outgoing_call.RXMMSI = QString(dsc::AllShips);
    outgoing_call.FORMAT = padded(Distress);
    outgoing_call.CATEGORY = padded(None);
    outgoing_call.INFO1 = padded(None);
    outgoing_call.CH = "16";
    outgoing_call.DANGER = nature;
    write_own_position(time);
    send_full_call();
}
