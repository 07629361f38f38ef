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

    bool operator==(const SaverSettings&) const = default;
};

// What the screen saver runs with when it cannot read the file: the clock, changing
// colour every minute.
SaverSettings SaverDefaults();

// The settings file's path in `dataDirectory`, or "" when the directory is empty or the
// path would be too long to use.
std::string SaverSettingsPath(const std::string& dataDirectory);

// The file's bytes: seven key lines each followed by its value line, then the tail
// lines unchanged; every line feed is written as CR LF, on every platform alike.
std::string FormatSaverSettings(const SaverSettings& settings,
                                const std::vector<std::string>& tail = {});

// ---- Reading. Both readings take lines from one source (CR LF or LF, pieces of 999
// bytes), never look at the key lines and parse value lines with Atol; they differ in
// how many lines a whole file has.

enum class SaverFileStatus {
    Read,         // all lines the reading needs were there
    PathUnusable, // empty or too long path
    CheckFailed,  // CheckSettingsFile gave anything but "found"
    OpenFailed,   // the check passed but the file would not open
    LineMissing,  // the file ended (or could not be read) before the last needed line
};

// The recorder's reading: fourteen lines by position, then every further line as the
// tail. `values` holds each flag exactly as its own line says (no precedence applied)
// and the two numbers as unsigned 32-bit. Unless `status` is Read, `values` and `tail`
// must not be used; `reason` then says what failed, for a message.
struct PositionalReading {
    SaverFileStatus status = SaverFileStatus::PathUnusable;
    std::string reason;
    SaverSettings values;
    std::vector<std::string> tail; // lines after the fourteenth, each as read ("\n" ends)
};
PositionalReading ReadSaverSettingsByPosition(const std::string& path);

// The screen saver's reading: key and value lines in pairs, with the precedence of the
// modes and units applied while reading. A nonzero Seconds value ends the reading, so a
// twelve-line file can be whole here although the recorder's reading finds it broken.
// Any failure gives SaverDefaults() for all seven values.
struct SaverReading {
    SaverSettings settings; // from the file, or SaverDefaults()
    bool fileFound = false; // a file exists at the (usable) path
    SaverFileStatus status = SaverFileStatus::PathUnusable;
};
SaverReading ReadSaverSettingsByPairs(const std::string& path);

// ---- Writing.

// Replaces the whole file with the seven values and the tail: a new file is written
// beside it, flushed and renamed over it, keeping its permissions. On failure the old
// file is byte-identical and `error` says why.
bool WriteSaverSettingsFile(const std::string& path, const SaverSettings& settings,
                            const std::vector<std::string>& tail, std::string& error);

enum class CreateResult { Created, AlreadyThere, Failed };

// Writes a new settings file at `path` only when nothing is there yet; an existing
// file is never opened for writing. On failure no partial file is left and `error`
// says why.
CreateResult CreateSaverSettingsFile(const std::string& path, const SaverSettings& settings,
                                     std::string& error);
