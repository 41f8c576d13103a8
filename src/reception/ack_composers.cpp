#include "ack_composers.h"

#include "CategoryAlarm.h"
#include "input_distress_ack.h"
#include "input_polling_ack.h"
#include "input_position_ack.h"
#include "input_report_ack.h"
#include "input_routine_ack.h"
#include "input_test_ack.h"
#include "dsc/chiamate.h"
#include "dsc/dsc_protocol.h"
#include "dsc/position_fix.h"
#include "platform/MessageGrid.h"
#include "platform/Modal.h"
#include "shell/Unit1.h"
#include "shell/globals.h"

#include <QPushButton>
#include <exception>
#include <functional>

using dsc::padded;
using namespace dsc::words;

namespace {

struct AfterEffects
{
    QPushButton *disable; // null: the button stays enabled
    QColor fill;
    QColor outline;
    CategoryAlarm *alarm;
};

// The procedure every acknowledgement follows. write fills the fields that
// differ from one acknowledgement to the next and sends.
void acknowledge(TForm1 &form, QDialog &dialog, const AfterEffects &after, const std::function<void()> &write)
{
    const int row = form.sel_row;
    MessageGrid *grid = form.message_grid;
    std::exception_ptr failure;
    if (modal::exec_dialog(dialog) == QDialog::Accepted) {
        try {
            outgoing_call.TXMMSI = station_mmsi.str();
            outgoing_call.RXMMSI = grid->cell(2, row);
            write();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (after.disable)
        after.disable->setEnabled(false);
    grid->setMarker(row, {MarkerShape::RoundedSquare, after.fill, after.outline});
    after.alarm->stop();
    grid->setRowColour(row, acked_colour);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

void acknowledge_distress(TForm1 &form)
{
    TfrmDistress dialog(&form, *form.message_grid, form.sel_row);
    const MessageGrid &grid = *form.message_grid;
    const int row = form.sel_row;
    acknowledge(form, dialog, {form.spb_distAck, QColor(255, 0, 0), QColor(192, 192, 192), form.alarm_distress}, [&] {
        outgoing_call.FORMAT = padded(AllShipsFormat);
        outgoing_call.CATEGORY = padded(Distress);
        outgoing_call.INFO1 = padded(DistAck);
        outgoing_call.CH = "16";
        // The distress alert's raw values, kept in the hidden columns.
        outgoing_call.DANGER = grid.cell(12, row);
        outgoing_call.LATD = grid.cell(13, row);
        outgoing_call.LATM = grid.cell(14, row);
        outgoing_call.LATC = grid.cell(15, row);
        outgoing_call.NS = grid.cell(16, row);
        outgoing_call.LOND = grid.cell(17, row);
        outgoing_call.LONM = grid.cell(18, row);
        outgoing_call.LONC = grid.cell(19, row);
        outgoing_call.EW = grid.cell(20, row);
        outgoing_call.TIME = grid.cell(21, row);
        send_full_call();
    });
}

void acknowledge_routine(TForm1 &form)
{
    TfrmRoutineAck dialog(&form, *form.message_grid, form.sel_row);
    acknowledge(form, dialog, {nullptr, QColor(0, 255, 0), QColor(0, 128, 0), form.alarm_routine}, [&] {
        outgoing_call.CH = dialog.channel();
        outgoing_call.INFO1 = padded(dialog.able() ? Able : Unable);
        outgoing_call.FORMAT = padded(Individual);
        outgoing_call.CATEGORY = padded(Routine);
        send_plain_call();
    });
}

void acknowledge_position_request(TForm1 &form)
{
    TfrmPositionAck dialog(&form);
    acknowledge(form, dialog, {nullptr, QColor(255, 255, 0), QColor(255, 0, 0), form.alarm_request}, [] {
        outgoing_call.FORMAT = padded(Individual);
        outgoing_call.CATEGORY = padded(Routine);
        outgoing_call.INFO1 = padded(PosReply);
        outgoing_call.CH = "16";
        outgoing_call.DANGER = "00";
        write_own_position(own_position.time.str()); // the fix the dialog showed
        send_full_call();
    });
}

void acknowledge_position_report(TForm1 &form)
{
    TfrmReportAck dialog(&form);
    const MessageGrid &grid = *form.message_grid;
    const int row = form.sel_row;
    acknowledge(form, dialog, {form.spb_posRepAck, report_colour, QColor(0, 0, 255), form.alarm_report}, [&] {
        outgoing_call.FORMAT = padded(Individual);
        outgoing_call.CATEGORY = padded(Safety);
        outgoing_call.INFO1 = padded(PosRptAck);
        outgoing_call.CH = "16";
        // The displayed texts cut by character position: "43°27.123 N", "007°45.010 E".
        const QString latitude = grid.cell(8, row);
        const QString longitude = grid.cell(9, row);
        outgoing_call.LATD = latitude.mid(0, 2);
        outgoing_call.LATM = latitude.mid(3, 2);
        outgoing_call.LATC = latitude.mid(6, 3);
        outgoing_call.NS = latitude.mid(10, 1);
        outgoing_call.LOND = longitude.mid(0, 3);
        outgoing_call.LONM = longitude.mid(4, 2);
        outgoing_call.LONC = longitude.mid(7, 3);
        outgoing_call.EW = longitude.mid(11, 1);
        outgoing_call.TIME = grid.cell(10, row);
        send_position_call();
    });
}

void acknowledge_polling(TForm1 &form)
{
    TfrmPollingAck dialog(&form);
    acknowledge(form, dialog, {form.spb_pollAck, QColor(255, 128, 255), QColor(0, 0, 255), form.alarm_request}, [] {
        outgoing_call.FORMAT = padded(Individual);
        outgoing_call.CATEGORY = padded(Routine);
        outgoing_call.INFO1 = padded(PollingAck);
        outgoing_call.CH = "16";
        send_plain_call();
    });
}

void acknowledge_test(TForm1 &form)
{
    TfrmTestAck dialog(&form);
    acknowledge(form, dialog, {nullptr, QColor(128, 255, 255), QColor(0, 0, 255), form.alarm_request}, [] {
        outgoing_call.FORMAT = padded(Individual);
        outgoing_call.CATEGORY = padded(Safety);
        outgoing_call.INFO1 = padded(TestAck);
        outgoing_call.CH = "16";
        send_plain_call();
    });
}
