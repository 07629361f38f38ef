#include "saver/QuitOnSignals.h"

#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <csignal>

void QuitOnTerminationSignals()
{
    CallOnSignals({SIGTERM, SIGINT}, [](int) { QCoreApplication::exit(0); });
}
