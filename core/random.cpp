#include "core/random.h"

#include <random>

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator;
    return generator;
}
}  // namespace

void Randomize(uint32_t seed) {
    Generator().seed(seed);
}

double Rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(Generator());
}
