#pragma once

#include <QString>
#include <array>

// The six acknowledgements, in the order their tests are made.
enum class AckKind { Distress, Routine, PosRequest, PosReport, Polling, Test };

// For the displayed texts of a log row ("To", "Format", "Category",
// "Informations"), which acknowledgements fit it, indexed by AckKind: at most one does.
std::array<bool, 6> ack_availability(const QString &to, const QString &format, const QString &category,
                                     const QString &informations, const QString &ownMmsi);
