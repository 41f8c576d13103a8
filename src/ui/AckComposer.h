#pragma once

#include "core/log/AckAvailability.h"

class QWidget;
class Station;

// The acknowledgement composers: each shows its dialog about a row of the
// message log; "Transmit" sends the acknowledgement to the station that
// sent the logged call. Whatever the result, a failed send included, the
// row is then marked handled and the class alarm stops; a refused send
// throws SocketError after all that.
namespace ack_composer {

void acknowledge(Station &station, QWidget *owner, int row, AckKind kind);

} // namespace ack_composer
