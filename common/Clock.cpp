#include "common/Clock.h"

#include "common/MsRandom.h"

namespace {
class RealClock : public Clock {
  public:
    std::time_t now() const override { return std::time(nullptr); }
};
} // namespace

const Clock& SystemClock()
{
    static const RealClock clock;
    return clock;
}

void TimeSeed(MsRandom& random, const Clock& clock)
{
    const long long t = static_cast<long long>(clock.now());
    random.seed(static_cast<std::uint32_t>((t % 1000) * 1000));
}
