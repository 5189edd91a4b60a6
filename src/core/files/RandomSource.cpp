#include "core/files/RandomSource.h"

#include <chrono>

namespace tavrin {

ClockRandom::ClockRandom() {
    Reseed();
}

int ClockRandom::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

void ClockRandom::Reseed() {
    // Successive reseeds within one clock tick must not repeat an order, so
    // the new seed mixes the clock with the engine's own state.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(ticks) ^ engine_());
}

} // namespace tavrin
