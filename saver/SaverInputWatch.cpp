#include "saver/SaverInputWatch.h"

bool SaverInputWatch::endsOnMove(const QPoint& globalPosition)
{
    if (!m_firstPosition) {
        m_firstPosition = globalPosition;
        return false;
    }
    return globalPosition != *m_firstPosition;
}
