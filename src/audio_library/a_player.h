#pragma once

#include <QString>

class TForm1;
class QWidget;

// The recorded message library: play a WAV file on the loudspeaker, send it
// on the channel like microphone audio, rename or move it, put it in the
// trash.

QString example_folder();
// The folder lists show path; false (and the error text) when it is missing.
bool show_audio_folder(TForm1 &form, const QString &path, QString *error);

void audio_play(TForm1 &form);
void audio_transmit(TForm1 &form);
void audio_stop(TForm1 &form);
void audio_rename(TForm1 &form);
void audio_trash(TForm1 &form);
// Every 100 ms while a file plays or is sent.
void audio_player_tick(TForm1 &form);

void player_busy_state(TForm1 &form);
void player_idle_state(TForm1 &form);

// Moves path to the desktop's trash after the confirmation the desktop
// would ask for; true when it went.
bool send_to_recycle_bin(const QString &path, QWidget *owner);
