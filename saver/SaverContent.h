#pragma once

#include "common/SaverSettingsFile.h"

#include <string>
#include <vector>

class Clock;
class MsRandom;

// Everything the saver reads, once, before its first window exists: the settings from
// the settings file (its defaults when the file is missing, fails its check or is cut
// short) and, unless the clock is wanted, the Tip texts of the Tips file.
struct SaverContent {
    std::string dataDir;
    SaverSettings settings;
    // Element n holds the text of Tip n; element 0 whatever stood before the first
    // record (normally nothing), shown only for a Tip number of 0.
    std::vector<std::string> tips{std::string()};

    int tipCount() const { return static_cast<int>(tips.size()) - 1; }
};

// Reads both files from `dataDir` ("" when it is unusable). Seeds the generator from the
// clock first, and again after the texts have been unscrambled.
SaverContent LoadSaverContent(const std::string& dataDir, MsRandom& random, const Clock& clock);
