#pragma once

#include <QtGlobal>
#include <functional>

// The station's one pseudo-random generator, seeded once at start.
namespace station_random {

void seed(quint32 value);
// A whole number from 0 to below - 1.
int below(int below);
// Tests replace the draws; an empty function restores the generator.
void set(std::function<int(int below)> draw);

} // namespace station_random
