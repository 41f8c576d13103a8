#pragma once

#include <QString>

#include "dsc/TDscCall.h"

// Fills call from one datagram text: each field is a fixed-length slice
// right after the first occurrence of its key ("CH=" and so on); the first
// five fields lose leading and trailing blanks. Never rejects a text.
void parse_datagram(const QString &text, TDscCall &call);
// The same into received_call.
void parse_datagram(const QString &text);

// Writes received_call into the message log of the main window as its new
// bottom row, with marker, blanks and alarm, and disables the
// acknowledgement buttons a new call makes stale.
void log_received_call();
