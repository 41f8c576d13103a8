#pragma once

class QWidget;

// The composers of the station's calls: each shows its dialog (owned by the
// main window, released whatever happens), writes the fields its call needs
// into outgoing_call and sends it. A refused send throws SocketError after
// the dialog is released.

void compose_routine_call(QWidget *owner);
void compose_group_call(QWidget *owner);

enum class AllShipsCall { Safety, Urgency };
void compose_allships_call(QWidget *owner, AllShipsCall call);

enum class IndividualCall { PositionRequest, Polling, Test };
void compose_individual_call(QWidget *owner, IndividualCall call);

void compose_position_report(QWidget *owner);
void compose_distress_alert(QWidget *owner);
