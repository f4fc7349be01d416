#include "core/random_source.h"

#include <chrono>
#include <ctime>

namespace {

// SplitMix64: a small, fast generator whose every output is a full avalanche of its state.
constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ull;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t next(std::uint64_t& state) {
    state += kGamma;
    return mix(state);
}

// The top 53 bits as a double in [0, 1).
double toUnit(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

// Folds a value into the state; the result depends on both, so folding the same value twice
// never returns to an earlier state.
void fold(std::uint64_t& state, std::uint64_t value) {
    state = mix(state + kGamma + value);
}

// The time of day. Reseeding happens before every placement attempt, so the clock read is a
// large share of an attempt's cost; the coarse clock is several times cheaper, and its lower
// resolution does not matter because every reading is folded into the running state.
std::uint64_t clockNanoseconds() {
#ifdef CLOCK_REALTIME_COARSE
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(now.tv_nsec);
#else
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
#endif
}

}  // namespace

int RandomSource::drawInt(int n) {
    return static_cast<int>(draw() * n) + 1;
}

ClockRandom::ClockRandom() : state_(mix(clockNanoseconds())) {}

double ClockRandom::draw() {
    return toUnit(next(state_));
}

void ClockRandom::reseed() {
    fold(state_, clockNanoseconds());
}

SeededRandom::SeededRandom(std::uint64_t seed) : state_(mix(seed)) {}

double SeededRandom::draw() {
    return toUnit(next(state_));
}

void SeededRandom::reseed() {
    fold(state_, ++reseeds_);
}
