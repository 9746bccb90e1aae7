#include "rules/random.h"

#include <QTime>

unsigned ClockRandom::timeOfDaySeed()
{
    return static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay());
}

void ClockRandom::randomize()
{
    m_engine.seed(timeOfDaySeed());
}

int ClockRandom::draw(int sides)
{
    if (sides < 1)
        return 0;
    return std::uniform_int_distribution<int>(1, sides)(m_engine);
}
