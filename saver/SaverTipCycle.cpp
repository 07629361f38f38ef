#include "saver/SaverTipCycle.h"

#include "common/RandomTipPick.h"

int SaverTipCycle::next(MsRandom& random, int tipCount)
{
    if (tipCount <= 1)
        return 1;
    int pick = 0;
    if (m_shown.isEmpty()) {
        pick = PickRandomTip(random, tipCount);
    } else if (m_shown.count() < tipCount) {
        pick = PickUnseenTip(random, m_shown, tipCount, 0, true);
    } else {
        m_shown.clear();
        do
            pick = PickRandomTip(random, tipCount);
        while (pick == m_lastTip);
    }
    m_shown.add(pick);
    m_lastTip = pick;
    return pick;
}
