#pragma once

#include <QString>
#include <array>

// The six acknowledgement buttons, in the order their tests are made.
enum class AckButton { Distress, Routine, PosRequest, PosReport, Polling, Test };

// For the displayed texts of a log row ("To", "Format", "Category",
// "Informations"), which acknowledgement buttons fit it: at most one does.
std::array<bool, 6> ack_availability(const QString &to, const QString &format, const QString &category,
                                     const QString &informations, const QString &ownMmsi);
