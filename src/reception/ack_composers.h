#pragma once

class TForm1;

// The acknowledgement composers: each shows its dialog about row sel_row;
// "Transmit" sends the acknowledgement to the station that sent the logged
// call. Whatever the result, a failed send included, the row is then marked
// handled (rounded square, acknowledged background), the class alarm stops
// and the composer's own button is disabled where that is its rule. A
// refused send throws SocketError after all that.

void acknowledge_distress(TForm1 &form);
void acknowledge_routine(TForm1 &form);
void acknowledge_position_request(TForm1 &form);
void acknowledge_position_report(TForm1 &form);
void acknowledge_polling(TForm1 &form);
void acknowledge_test(TForm1 &form);
