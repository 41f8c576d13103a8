#include "Random.h"

#include <random>

namespace station_random {

namespace {
std::mt19937 &generator()
{
    static std::mt19937 g(5489u);
    return g;
}
std::function<int(int)> &replacement()
{
    static std::function<int(int)> draw;
    return draw;
}
} // namespace

void seed(quint32 value)
{
    generator().seed(value);
}

int below(int below)
{
    if (below <= 1)
        return 0;
    if (replacement())
        return replacement()(below);
    return std::uniform_int_distribution<int>(0, below - 1)(generator());
}

void set(std::function<int(int)> draw)
{
    replacement() = std::move(draw);
}

} // namespace station_random
