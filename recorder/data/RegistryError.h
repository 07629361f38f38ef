#pragma once

// Shown when the password state in the settings is neither "none yet" nor "set".
inline constexpr const char* kRegistryError =
    "Registry error.\n\nYou may need to reinstall the software.";
