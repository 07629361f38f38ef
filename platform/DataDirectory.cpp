#include "platform/DataDirectory.h"

#include "common/FirstLineCheck.h"

#include <QByteArray>
#include <QStandardPaths>
#include <QString>

std::string DataDirectory()
{
    QByteArray dir = qgetenv("PENNIVEL_DIR");
    if (dir.isEmpty())
        dir = (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Pennivel"))
                  .toLocal8Bit();
    while (dir.size() > 1 && dir.endsWith('/'))
        dir.chop(1);
    if (static_cast<std::size_t>(dir.size()) > kMaxPathLength)
        return {};
    return dir.toStdString();
}
