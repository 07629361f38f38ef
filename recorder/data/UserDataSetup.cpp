#include "recorder/data/UserDataSetup.h"

#include "common/DataFilePath.h"
#include "common/PrivateDirectory.h"
#include "common/SaverSettingsFile.h"
#include "recorder/data/RecorderSettings.h"

#include <QFileInfo>

SetupReport SetUpUserData(const std::string& dataDirectory, RecorderSettings& settings)
{
    SetupReport report;
    if (dataDirectory.empty())
        return {false, {}, "the data directory path is empty or too long"};
    const QString dir = QString::fromLocal8Bit(dataDirectory.c_str());
    if (!QFileInfo(dir).isDir()) {
        if (!MakeDirectories(dataDirectory))
            return {false, {}, "cannot create the data directory " + dataDirectory};
        report.created.push_back("data directory " + dataDirectory);
    }
    const std::string saverPath = DataFilePath(dataDirectory, kSaverSettingsFileName);
    switch (CreateSaverSettingsFile(saverPath, SaverSettings{}, report.error)) {
    case CreateResult::Created:
        report.created.push_back("screen saver settings " + saverPath);
        break;
    case CreateResult::AlreadyThere: break;
    case CreateResult::Failed: report.ok = false; return report;
    }
    if (!settings.contains(Key::FirstTimePassword)) {
        settings.write(Key::FirstTimePassword, 1);
        report.created.push_back("setting " + std::string(Key::FirstTimePassword.name) +
                                 " = 1 in " + settings.location().toLocal8Bit().toStdString());
    }
    return report;
}
