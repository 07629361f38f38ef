#pragma once

#include <cstdint>

// The C runtime's rand()/srand() with the Microsoft definition. Scrambled Tip texts
// and the stored password can only be read back with exactly this sequence.
class MsRandom {
  public:
    static constexpr int kMax = 32767;

    void seed(std::uint32_t value) { m_state = value; }
    int next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

  private:
    std::uint32_t m_state = 1;
};

// The one generator the programs share, as the C runtime has one per process.
MsRandom& ProcessRandom();

// A seed byte of 40..120 for a scrambling pass.
inline int DrawSeed(MsRandom& random)
{
    return 80 * random.next() / MsRandom::kMax + 40;
}

// The shift of 1..10 (11 when the draw is 32767) a draw gives every scrambling pass.
constexpr int ShiftForDraw(int draw)
{
    return 10 * draw / MsRandom::kMax + 1;
}

inline int DrawShift(MsRandom& random)
{
    return ShiftForDraw(random.next());
}
