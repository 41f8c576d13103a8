#include "MessagePage.h"

#include "AckComposer.h"
#include "CallComposer.h"
#include "Modal.h"
#include "core/station/Station.h"
#include "widgets/MessageGrid.h"
#include "widgets/StationControls.h"

#include <QGroupBox>
#include <QPushButton>

using namespace station_controls;

MessagePage::MessagePage(Station &station, QWidget *parent) : QWidget(parent), m_station(station)
{
    setObjectName(QStringLiteral("page_message"));
    m_grid = new MessageGrid(station.log(), this);
    m_grid->setObjectName(QStringLiteral("message_grid"));
    m_grid->setGeometry(4, 4, 830, 318);
    m_grid->gridModel()->setHeaders(
        {QString(), QStringLiteral("Received"), QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Format"),
         QStringLiteral("Category"), QStringLiteral("Informations"), QStringLiteral("Nature"),
         QStringLiteral("Latitude"), QStringLiteral("Longitude"), QStringLiteral("POS Time"), QStringLiteral("CH")});
    m_grid->setAccessibleName(QStringLiteral("Message log"));
    m_grid->setColWidth(1, 60);
    for (int c = 2; c <= 5; ++c)
        m_grid->setColWidth(c, 70);
    for (int c = 6; c <= 9; ++c)
        m_grid->setColWidth(c, 85);
    m_grid->setColWidth(10, 60);
    m_grid->setColWidth(11, 50);
    for (int c = ShownLogColumns; c < LogColumnCount; ++c)
        m_grid->setColWidth(c, 0);
    m_grid->setColWidth(0, 30);
    int sum = 0;
    for (int c = 0; c < ShownLogColumns; ++c)
        sum += m_grid->colWidth(c);
    m_grid->resize(sum + 10, m_grid->height());

    using call_builder::AllShipsKind;
    using call_builder::IndividualKind;
    callFrame = frame(this, "AdvGroupBox1", QStringLiteral("  DSC Call  "), QRect(4, 328, 416, 94));
    struct CallButton
    {
        const char *name, *caption;
        int x, y;
        std::function<void()> compose;
    };
    Station &s = m_station;
    const int x[] = {7, 87, 167, 247, 327};
    const CallButton calls[] = {
        {"spb_routine", "ROUTINE", x[0], 25, [this, &s] { call_composer::routine_call(s, window()); }},
        {"spb_group", "GROUP", x[1], 25, [this, &s] { call_composer::group_call(s, window()); }},
        {"spb_safety", "SAFETY", x[2], 25,
         [this, &s] { call_composer::all_ships_call(s, window(), AllShipsKind::Safety); }},
        {"spb_urgency", "URGENCY", x[3], 25,
         [this, &s] { call_composer::all_ships_call(s, window(), AllShipsKind::Urgency); }},
        {"spb_distress", "DISTRESS", x[4], 25, [this, &s] { call_composer::distress_alert(s, window()); }},
        {"spb_posreq", "POS REQ", x[0], 56,
         [this, &s] { call_composer::individual_call(s, window(), IndividualKind::PositionRequest); }},
        {"spb_posrep", "POS RPT", x[1], 56, [this, &s] { call_composer::position_report(s, window()); }},
        {"spbpoll", "POLLING", x[2], 56,
         [this, &s] { call_composer::individual_call(s, window(), IndividualKind::Polling); }},
        {"spb_test", "TEST", x[3], 56,
         [this, &s] { call_composer::individual_call(s, window(), IndividualKind::Test); }},
    };
    for (const CallButton &c : calls) {
        QPushButton *b = bold_button(callFrame, c.name, QLatin1String(c.caption), QRect(c.x, c.y, 75, 25));
        connect(b, &QPushButton::clicked, this, [compose = c.compose] { modal::guarded(compose); });
    }

    ackFrame = frame(this, "AdvGroupBox3", QStringLiteral("  DSC Acknowledgement"), QRect(426, 328, 408, 94));
    struct AckButton
    {
        AckKind kind;
        const char *name, *caption;
        QRect geometry;
    };
    const AckButton acks[] = {
        {AckKind::Distress, "spb_distAck", "DISTRESS ACK", QRect(7, 25, 90, 25)},
        {AckKind::Routine, "spb_RoutineACK", "ROUTINE ACK", QRect(103, 25, 90, 25)},
        {AckKind::Test, "spb_testAck", "TEST ACK", QRect(200, 25, 90, 25)},
        {AckKind::Polling, "spb_pollAck", "POLLING ACK", QRect(297, 26, 90, 25)},
        {AckKind::PosRequest, "spb_PosAck", "POS REQ ACK", QRect(7, 56, 90, 25)},
        {AckKind::PosReport, "spb_posRepAck", "POS RPT ACK", QRect(103, 56, 90, 25)},
    };
    for (const AckButton &a : acks) {
        QPushButton *b = bold_button(ackFrame, a.name, QLatin1String(a.caption), a.geometry);
        b->setEnabled(false);
        m_ackButtons[size_t(a.kind)] = b;
        connect(b, &QPushButton::clicked, this, [this, kind = a.kind] { acknowledge(kind); });
    }

    connect(m_grid, &MessageGrid::clickCell, this, &MessagePage::clickCell);
    connect(&station, &Station::callLogged, this, &MessagePage::callLogged);
    connect(&station.log(), &MessageLog::rowsRemoved, this, [this](int count) {
        m_selectedRow -= count;
        // The row the buttons offered an answer to has left the log.
        if (m_selectedRow < 0) {
            m_selectedRow = -1;
            for (QPushButton *b : m_ackButtons)
                b->setEnabled(false);
        }
    });
}

void MessagePage::callLogged(int row)
{
    // A new call makes the offered acknowledgements stale; a position report's stays.
    for (AckKind kind : {AckKind::Distress, AckKind::Routine, AckKind::PosRequest, AckKind::Polling, AckKind::Test})
        ackButton(kind)->setEnabled(false);
    m_grid->setCurrentGridRow(row + 1);
}

void MessagePage::clickCell(int gridRow, int)
{
    // The header row fits nothing.
    const std::array<bool, 6> fits = gridRow >= 1 ? m_station.acknowledgementsFor(gridRow - 1) : std::array<bool, 6>{};
    for (size_t i = 0; i < fits.size(); ++i) {
        m_ackButtons[i]->setEnabled(fits[i]);
        if (fits[i])
            m_selectedRow = gridRow - 1;
    }
}

void MessagePage::acknowledge(AckKind kind)
{
    // These buttons go off once used; the others stay for another answer.
    const bool once = kind == AckKind::Distress || kind == AckKind::PosReport || kind == AckKind::Polling;
    modal::guarded([&] {
        try {
            ack_composer::acknowledge(m_station, window(), m_selectedRow, kind);
        } catch (...) {
            if (once)
                ackButton(kind)->setEnabled(false);
            throw;
        }
        if (once)
            ackButton(kind)->setEnabled(false);
    });
}
