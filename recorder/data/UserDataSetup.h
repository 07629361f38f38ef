#pragma once

#include <string>
#include <vector>

class RecorderSettings;

struct SetupReport {
    bool ok = true;
    std::vector<std::string> created; // what was laid down, worded for the user
    std::string error;
};

// Lays down what a fresh installation needs and nothing else: the data directory, a
// screen saver settings file with the default choices, and the marker that no
// password has been set. Each is created only when missing; existing files and
// settings are never changed, so running it again changes nothing.
SetupReport SetUpUserData(const std::string& dataDirectory, RecorderSettings& settings);
