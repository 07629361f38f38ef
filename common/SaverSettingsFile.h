#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kSaverSettingsFileName = "Pennivel159.ini";

// The seven values of the screen saver's settings file. The member defaults are what
// a fresh installation starts with: every Tip in turn, a new one every 10 seconds.
struct SaverSettings {
    bool useAllTips = true;
    bool clock = false;
    std::uint32_t tipNumber = 1;
    bool timerCheck = true;
    std::uint32_t timer = 10;
    bool seconds = true;
    bool minutes = false;
};

// The file's bytes: seven key lines each followed by its value line, then the tail
// lines unchanged; every line feed is written as CR LF, on every platform alike.
std::string FormatSaverSettings(const SaverSettings& settings,
                                const std::vector<std::string>& tail = {});

enum class CreateResult { Created, AlreadyThere, Failed };

// Writes a new settings file at `path` only when nothing is there yet; an existing
// file is never opened for writing. On failure no partial file is left and `error`
// says why.
CreateResult CreateSaverSettingsFile(const std::string& path, const SaverSettings& settings,
                                     std::string& error);
