#include "common/FirstLineCheck.h"

#include "common/FileHandle.h"
#include "common/PieceReader.h"
#include "common/TipsFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct CheckRules {
    std::string_view needle;
    std::uint32_t emptyPath;
    std::uint32_t noContent;
    bool mustBeWritable = true;
};

constexpr CheckRules kTipsRules{kTipsMarker, kCheckError, kCheckEmpty};
constexpr CheckRules kTipsReadingRules{kTipsMarker, kCheckError, kCheckEmpty, false};
constexpr CheckRules kSettingsRules{"Use All Tips", kCheckMissing, kCheckMissing};

bool IsReadableFile(const std::string& path)
{
    struct stat st {};
    return ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0 &&
           ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsBlank(std::string_view piece)
{
    return piece.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

// Only "no such file" is a missing file. A link that points nowhere is there but
// unusable, as is a path through a plain file, a loop of links or a closed directory.
bool IsMissing(const std::string& path)
{
    struct stat st {};
    if (::access(path.c_str(), F_OK) == 0 || errno != ENOENT)
        return false;
    return ::lstat(path.c_str(), &st) != 0;
}

std::uint32_t FirstLineCheck(const std::string& path, const CheckRules& rules)
{
    if (path.size() > kMaxPathLength)
        return kCheckError;
    if (path.empty())
        return rules.emptyPath;
    if (!(rules.mustBeWritable ? IsReadableAndWritable(path) : IsReadableFile(path)))
        return IsMissing(path) ? kCheckMissing : kCheckError;
    const FileHandle file = OpenFile(path, "rb");
    if (!file)
        return kCheckError;
    PieceReader reader(file.get());
    std::string piece;
    while (reader.next(piece)) {
        if (!IsBlank(piece))
            return piece.find(rules.needle) != std::string::npos ? kCheckFound : kCheckForeign;
    }
    return reader.failed() ? kCheckError : rules.noContent;
}

} // namespace

bool IsReadableAndWritable(const std::string& path)
{
    // The system answers for the caller's effective ids, groups and access lists.
    if (::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) != 0)
        return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Root passes every access test; a file nobody may write still counts as read-only.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::uint32_t CheckTipsFile(const std::string& path)
{
    return FirstLineCheck(path, kTipsRules);
}

std::uint32_t CheckTipsFileForReading(const std::string& path)
{
    return FirstLineCheck(path, kTipsReadingRules);
}

std::string WhyUnusable(const std::string& path)
{
    struct stat st {};
    if (path.size() > kMaxPathLength)
        return "the path is longer than " + std::to_string(kMaxPathLength) + " characters";
    if (::stat(path.c_str(), &st) != 0) {
        const int reason = errno;
        if (reason == ENOENT && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            return "it is a link to a file that does not exist";
        return std::strerror(reason);
    }
    if (S_ISDIR(st.st_mode))
        return std::strerror(EISDIR);
    if (!S_ISREG(st.st_mode))
        return "it is not a regular file";
    if (::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) != 0)
        return std::string("it cannot be read: ") + std::strerror(errno);
    if (!IsReadableAndWritable(path))
        return "the file is read-only";
    const FileHandle file = OpenFile(path, "rb");
    if (!file)
        return std::strerror(errno);
    PieceReader reader(file.get());
    std::string piece;
    while (reader.next(piece)) {
    }
    return reader.failed() ? std::string("it cannot be read: ") + std::strerror(reader.error())
                           : std::string("it cannot be used");
}

std::uint32_t CheckSettingsFile(const std::string& path)
{
    return FirstLineCheck(path, kSettingsRules);
}

const char* DescribeTipsCheck(std::uint32_t code)
{
    switch (code) {
    case kCheckFound: return "a Pennivel Tips file";
    case kCheckForeign: return "not a Pennivel Tips file (its first line lacks the Tip marker)";
    case kCheckMissing: return "the file does not exist";
    case kCheckError:
        return "the file cannot be used (bad path, not readable and writable, or a read error)";
    case kCheckEmpty: return "the file holds no Tips";
    default: return "unknown result";
    }
}

const char* DescribeSettingsCheck(std::uint32_t code)
{
    switch (code) {
    case kCheckFound: return "a Pennivel screen saver settings file";
    case kCheckForeign:
        return "not a screen saver settings file (its first line lacks \"Use All Tips\")";
    case kCheckMissing: return "the file does not exist or is empty";
    case kCheckError:
        return "the file cannot be used (path too long, not readable and writable, or a read "
               "error)";
    default: return "unknown result";
    }
}
