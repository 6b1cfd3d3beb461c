#pragma once

#include <cstdint>

// A tiny SplitMix64 generator. The standard library's distributions are not
// required to give the same numbers everywhere, and the pictures must come
// out identical on every machine, so all randomness goes through this.
class Prng
{
public:
    explicit Prng(std::uint64_t seed);

    std::uint32_t next();
    // Uniform in [0, 1).
    double unit();
    // Uniform in [lo, hi).
    double range(double lo, double hi);
    // Uniform integer in [0, n); n must be positive.
    int below(int n);
    bool chance(double probability);
    // Roughly bell-shaped in [-1, 1]: good enough for jitter.
    double jitter();

private:
    std::uint64_t state_;
};
