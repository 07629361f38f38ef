#include "recorder/app/FirstRun.h"

#include "common/DataFilePath.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "recorder/app/RecorderServices.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"

#include <QFileInfo>

namespace {

bool Exists(const std::string& path)
{
    // A link to nothing still counts: the start-up checks report it.
    return QFileInfo(QString::fromLocal8Bit(path.c_str())).isSymLink() ||
           QFileInfo::exists(QString::fromLocal8Bit(path.c_str()));
}

} // namespace

void SetUpForBrandNewUser(RecorderServices& services)
{
    const std::string dir = services.dataDirectory();
    if (dir.empty() || services.settings.storeExists() ||
        Exists(DataFilePath(dir, kSaverSettingsFileName)) ||
        Exists(DataFilePath(dir, kTipsFileName)))
        return;
    // A failure here shows up as the start-up check that needs the missing piece.
    SetUpUserData(dir, services.settings);
}
