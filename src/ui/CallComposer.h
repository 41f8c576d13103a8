#pragma once

#include "core/dsc/CallBuilder.h"

class QWidget;
class Station;

// The composers of the station's calls: each shows its dialog (released
// whatever happens), builds the call from what the trainee chose and sends
// it. A refused send throws SocketError after the dialog is released.
namespace call_composer {

void routine_call(Station &station, QWidget *owner);
void group_call(Station &station, QWidget *owner);
void all_ships_call(Station &station, QWidget *owner, call_builder::AllShipsKind kind);
void individual_call(Station &station, QWidget *owner, call_builder::IndividualKind kind);
void position_report(Station &station, QWidget *owner);
void distress_alert(Station &station, QWidget *owner);

} // namespace call_composer
