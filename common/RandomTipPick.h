#pragma once

#include "common/MsRandom.h"
#include "common/TipCycle.h"

// The most Tips one draw of the generator can tell apart: every number 1..32768 is
// reached by some draw, larger numbers would not be.
inline constexpr int kSingleDrawTipLimit = MsRandom::kMax + 1;

// A Tip number in 1..tipCount (tipCount >= 1) for the random order. Up to
// kSingleDrawTipLimit Tips: one draw r, (r / 32767 x tipCount) + 1, capped at tipCount.
// Above that two draws form a 30-bit value that is scaled to the count, so every Tip
// stays reachable.
int PickRandomTip(MsRandom& random, int tipCount);

// The next Tip of a random cycle that is not complete: `current` itself when it is a
// Tip not yet in the cycle and no new pick is forced, otherwise repeated picks until one
// lands outside the cycle. With more than kSingleDrawTipLimit Tips a long run of misses
// ends by taking the first Tip after the last pick that is not in the cycle, so no
// command can hang however few Tips are left. Returns 0 when every Tip is in the cycle.
int PickUnseenTip(MsRandom& random, const TipCycle& cycle, int tipCount, int current,
                  bool forceNewPick);
