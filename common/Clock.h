#pragma once

#include <ctime>

class MsRandom;

// Every reading of the calendar time goes through a Clock, so tests can fix "now".
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::time_t now() const = 0;
};

// The real clock of the machine.
const Clock& SystemClock();

// A clock that always answers the same time; tests move it by hand.
class FixedClock : public Clock {
  public:
    explicit FixedClock(std::time_t t) : m_time(t) {}
    std::time_t now() const override { return m_time; }
    void set(std::time_t t) { m_time = t; }

  private:
    std::time_t m_time;
};

// Re-seeds the generator from the clock after every scrambling pass, so the random
// Tip order does not replay the scrambling draws.
void TimeSeed(MsRandom& random, const Clock& clock);
