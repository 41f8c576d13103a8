#pragma once

#include <QString>

#include "DscCall.h"

// Reads one datagram text: each field is a fixed-length slice right after
// the first occurrence of its key ("CH=" and so on); the first five fields
// lose leading and trailing blanks. Never rejects a text.
DscCall parse_datagram(const QString &text);
