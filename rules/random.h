#pragma once

#include <random>

// The program's one source of dice. The program seeds it once from the clock;
// tests hand the program a source that returns scripted faces.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Seeds the source from the time of day; called once, at start.
    virtual void randomize() = 0;
    // A face uniformly distributed over 1 to sides.
    [[nodiscard]] virtual int draw(int sides) = 0;
};

class ClockRandom final : public RandomSource
{
public:
    void randomize() override;
    [[nodiscard]] int draw(int sides) override;

    // The seed that randomize() takes: milliseconds since midnight.
    [[nodiscard]] static unsigned timeOfDaySeed();

private:
    std::mt19937 m_engine;
};
