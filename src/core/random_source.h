#pragma once

#include <cstdint>

// Uniform random numbers in [0, 1) with a reseed from the time of day. The generator and the
// board draw through this interface so tests can make the draws repeatable.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;  // uniform in [0, 1)
    virtual void reseed() = 0;

    // Int(draw * n + 1): a whole number 1..n, each with equal chance.
    int drawInt(int n);
};

// The program's generator. Reseeding mixes the clock into the running state rather than
// restarting from the clock value, so several reseeds within one clock tick still give
// different draws.
class ClockRandom : public RandomSource {
  public:
    ClockRandom();
    double draw() override;
    void reseed() override;

  private:
    std::uint64_t state_;
};

// Repeatable draws for tests and benchmarks: reseeding mixes in a counter instead of the clock.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed);
    double draw() override;
    void reseed() override;

  private:
    std::uint64_t state_;
    std::uint64_t reseeds_ = 0;
};
