#pragma once

// The exit statuses of pennivel-tool, in the meaning scripts know from sysexits.h.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 64;           // wrong command line
inline constexpr int kExitBadData = 65;         // input the Tips cannot take, or a foreign file
inline constexpr int kExitIoError = 74;         // a file could not be read or written
inline constexpr int kExitRecorderRunning = 75; // try again once the recorder has closed
