#pragma once

#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"

#include <string>

class Clock;
class MsRandom;

// Everything the saver reads, once, before its first window exists: the settings from
// the settings file (its defaults when the file is missing, fails its check or is cut
// short) and, unless the clock is wanted, the Tip texts of the Tips file.
struct SaverContent {
    std::string dataDir;
    SaverSettings settings;
    // The Tip texts as stored (still scrambled): a text is unscrambled only when it is
    // shown, so a start with a million Tips is not spent decoding them all. Its stray
    // text, whatever stood before the first record (normally nothing), counts as Tip 0.
    LoadedTips storedTips;

    int tipCount() const { return static_cast<int>(storedTips.tips.size()); }
    // The text of Tip `number` (0..tipCount) as it is shown. Unscrambling reseeds a
    // generator of its own, so the shared one's sequence is untouched.
    std::string tipText(std::size_t number) const;
};

// Reads both files from `dataDir` ("" when it is unusable). Seeds the generator from the
// clock first, and again after reading the Tips file.
SaverContent LoadSaverContent(const std::string& dataDir, MsRandom& random, const Clock& clock);
