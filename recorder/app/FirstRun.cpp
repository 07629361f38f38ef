#include "recorder/app/FirstRun.h"

#include "recorder/app/RecorderServices.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"

#include <QFileInfo>

void SetUpForBrandNewUser(RecorderServices& services)
{
    const std::string dir = services.dataDirectory();
    if (dir.empty() || services.settings.storeExists() ||
        QFileInfo::exists(QString::fromLocal8Bit(dir.c_str())))
        return;
    // A failure here shows up as the start-up check that needs the missing piece.
    SetUpUserData(dir, services.settings);
}
