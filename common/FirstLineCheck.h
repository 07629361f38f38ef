#pragma once

#include <cstdint>
#include <string>

// Result codes of the two checks that both programs run before trusting one of their
// files. Callers act on the number, so the values are part of the contract.
enum FileCheck : std::uint32_t {
    kCheckFound = 0,   // the first non-blank line holds the needle
    kCheckForeign = 1, // the first non-blank line lacks it
    kCheckMissing = 2, // no such file (settings check: also empty path or no non-blank line)
    kCheckError = 3,   // bad path, not both readable and writable, unreadable
    kCheckEmpty = 4,   // Tips check only: no non-blank line
};

// Longest usable path, in bytes, including nothing for a terminator.
constexpr std::size_t kMaxPathLength = 259;

std::uint32_t CheckTipsFile(const std::string& path);
std::uint32_t CheckSettingsFile(const std::string& path);
// The Tips check for a reader that never writes: a read-only file passes.
std::uint32_t CheckTipsFileForReading(const std::string& path);

// Why a file a check found unusable (kCheckError) is so, worded for the user ("it is a
// link to a file that does not exist", "the file is read-only", the system's reason).
std::string WhyUnusable(const std::string& path);

// One line of meaning per code, for messages and the command-line tool.
const char* DescribeTipsCheck(std::uint32_t code);
const char* DescribeSettingsCheck(std::uint32_t code);

// True when the file exists and the caller may both read and write it. A file without
// any write bit counts as read-only even for root, so "read-only" means the same for
// every user.
bool IsReadableAndWritable(const std::string& path);
