#include "saver/SaverColours.h"

#include "common/MsRandom.h"

#include <algorithm>

ColorRef SaverColour(int index)
{
    static constexpr std::array<ColorRef, kSaverColourCount> colours = {
        ColorRef::fromRgb(255, 0, 255), ColorRef::fromRgb(0, 255, 255),
        ColorRef::fromRgb(0, 255, 0),   ColorRef::fromRgb(255, 255, 0),
        ColorRef::fromRgb(255, 0, 0),   ColorRef::fromRgb(255, 255, 255),
    };
    return colours[static_cast<std::size_t>(std::clamp(index, 1, kSaverColourCount) - 1)];
}

int DrawColour(MsRandom& random)
{
    return std::min(random.next() * kSaverColourCount / MsRandom::kMax + 1, kSaverColourCount);
}

bool ColourCycle::used(int colour) const
{
    return std::find(m_used.begin(), m_used.begin() + m_usedCount, colour) !=
           m_used.begin() + m_usedCount;
}

int ColourCycle::next(MsRandom& random)
{
    if (m_usedCount == kSaverColourCount)
        m_usedCount = 0;
    int colour = DrawColour(random);
    while (used(colour) || (m_usedCount == 0 && colour == m_lastOfCycle))
        colour = DrawColour(random);
    m_used[static_cast<std::size_t>(m_usedCount++)] = colour;
    if (m_usedCount == kSaverColourCount)
        m_lastOfCycle = colour;
    return colour;
}

ColourChooser::ColourChooser(bool timerOn, bool clock, int colourEveryTicks)
    : m_timerOn(timerOn), m_clock(clock), m_colourEveryTicks(colourEveryTicks)
{
}

int ColourChooser::colourForPaint(MsRandom& random)
{
    if (!m_timerOn) {
        if (m_colourIndex == 0)
            m_colourIndex = DrawColour(random);
        return m_colourIndex;
    }
    if (!m_clock) {
        m_colourIndex = m_cycle.next(random);
        return m_colourIndex;
    }
    if (++m_tickCounter == 1)
        m_colourIndex = DrawColour(random);
    if (m_colourEveryTicks == 0 || m_colourEveryTicks == m_tickCounter) {
        if (m_colourEveryTicks != 0)
            m_tickCounter = 0;
        m_colourIndex = m_cycle.next(random);
    }
    return m_colourIndex;
}
