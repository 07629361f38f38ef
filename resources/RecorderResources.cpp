#include "resources/RecorderResources.h"

#include <QtGlobal>

void InitRecorderResources()
{
    Q_INIT_RESOURCE(recorder);
}
