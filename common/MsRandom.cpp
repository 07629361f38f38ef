#include "common/MsRandom.h"

MsRandom& ProcessRandom()
{
    static MsRandom random;
    return random;
}
