#include "core/random.h"

#include <cmath>
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
    // The distribution may round up to 1.0 itself; a draw of ten slots would then pick an
    // eleventh.
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(Generator());
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}
