#pragma once

#include "common/TipCycle.h"

class MsRandom;

// The order of the All Tips mode: every Tip once per cycle in random order, and a new
// cycle never opens with the Tip that closed the old one. The draws are the recorder's
// random pick, so collections beyond what one draw can tell apart (32,768 Tips) still
// reach every Tip and a cycle always ends.
class SaverTipCycle {
  public:
    // The next Tip number, 1..tipCount (tipCount >= 1).
    int next(MsRandom& random, int tipCount);

  private:
    TipCycle m_shown;
    int m_lastTip = 0;
};
