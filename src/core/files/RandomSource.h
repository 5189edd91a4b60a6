#pragma once

#include <cstdint>
#include <random>

namespace tavrin {

// Where a run draws its random numbers. The programs use the clock-seeded
// generator; tests pass a fixed sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer in low..high, both included.
    virtual int Uniform(int low, int high) = 0;
    // Called where a fresh order begins; clock-seeded sources reseed here.
    virtual void Reseed() {}
};

class ClockRandom : public RandomSource {
public:
    ClockRandom();
    int Uniform(int low, int high) override;
    void Reseed() override;

private:
    std::mt19937_64 engine_;
};

} // namespace tavrin
