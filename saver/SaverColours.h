#pragma once

#include "platform/ColorRef.h"

#include <array>

class MsRandom;

// The six bright text colours, by index 1..6: magenta, cyan, green, yellow, red, white.
inline constexpr int kSaverColourCount = 6;
ColorRef SaverColour(int index);

// A colour index 1..6 from one draw of the generator.
int DrawColour(MsRandom& random);

// Six draws show each colour once in random order; a new cycle never opens with the
// colour that closed the one before, so the colour always changes at the turn.
class ColourCycle {
  public:
    int next(MsRandom& random);

  private:
    bool used(int colour) const;

    std::array<int, kSaverColourCount> m_used{};
    int m_usedCount = 0;
    int m_lastOfCycle = 0;
};

// The colour of each paint. With the timer off the first colour stays; in Clock mode it
// changes every `colourEveryTicks` paints (every paint for 0), with a fresh draw on the
// paint after each change; otherwise every paint takes the next colour of the cycle.
class ColourChooser {
  public:
    ColourChooser(bool timerOn, bool clock, int colourEveryTicks);

    int colourForPaint(MsRandom& random);

  private:
    bool m_timerOn;
    bool m_clock;
    int m_colourEveryTicks;
    int m_tickCounter = 0;
    int m_colourIndex = 0;
    ColourCycle m_cycle;
};
