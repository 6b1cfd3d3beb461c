#include "prng.h"

Prng::Prng(std::uint64_t seed) : state_(seed) {}

std::uint32_t Prng::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z >> 32);
}

double Prng::unit()
{
    return next() / 4294967296.0;
}

double Prng::range(double lo, double hi)
{
    return lo + (hi - lo) * unit();
}

int Prng::below(int n)
{
    return static_cast<int>(unit() * n);
}

bool Prng::chance(double probability)
{
    return unit() < probability;
}

double Prng::jitter()
{
    return (unit() + unit() + unit()) / 1.5 - 1.0;
}
