#include "common/FirstLineCheck.h"

#include "common/FileHandle.h"
#include "common/PieceReader.h"
#include "common/TipsFormat.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace {

struct CheckRules {
    std::string_view needle;
    std::uint32_t emptyPath;
    std::uint32_t noContent;
};

constexpr CheckRules kTipsRules{kTipsMarker, kCheckError, kCheckEmpty};
constexpr CheckRules kSettingsRules{"Use All Tips", kCheckMissing, kCheckMissing};

bool IsBlank(std::string_view piece)
{
    return piece.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

std::uint32_t FirstLineCheck(const std::string& path, const CheckRules& rules)
{
    if (path.size() > kMaxPathLength)
        return kCheckError;
    if (path.empty())
        return rules.emptyPath;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return kCheckMissing;
    if (!IsReadableAndWritable(path))
        return kCheckError;
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
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status))
        return false;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return false;
    // Opening for update reads nothing and writes nothing, but asks the system for both rights.
    return OpenFile(path, "r+b") != nullptr;
}

std::uint32_t CheckTipsFile(const std::string& path)
{
    return FirstLineCheck(path, kTipsRules);
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
