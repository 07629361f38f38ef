#include "platform/FirstPaint.h"

#include <QCoreApplication>

void NoteFirstPaint()
{
    static const bool quit = qEnvironmentVariableIsSet("PENNIVEL_QUIT_AFTER_FIRST_PAINT");
    if (quit)
        QCoreApplication::exit(0);
}
