#pragma once

#include "platform/DataDirectory.h"

#include <functional>
#include <string>

class Clock;
class Messages;
class MsRandom;
class PasswordDialogs;
class RecorderSettings;

// Everything outside the recorder's own logic that it talks to, handed in from main()
// so a test can put a scripted twin in each place.
struct RecorderServices {
    Messages& messages;
    RecorderSettings& settings;
    PasswordDialogs& passwordDialogs;
    MsRandom& random;
    const Clock& clock;
    std::function<std::string()> dataDirectory = DataDirectory;
};
