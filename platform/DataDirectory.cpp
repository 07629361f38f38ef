#include "platform/DataDirectory.h"

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
    return dir.toStdString();
}

std::string DataFilePath(const std::string& directory, const char* fileName)
{
    if (directory == "/")
        return directory + fileName;
    return directory + "/" + fileName;
}
