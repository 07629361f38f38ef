#include "common/SaverSettingsFile.h"

#include "common/AtomicFile.h"
#include "common/DataFilePath.h"
#include "common/FirstLineCheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

void AppendLine(std::string& out, const std::string& line)
{
    for (char c : line) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
}

// Numbers are written as the signed 32-bit value they were read as, so a Tip number read
// from "-1" goes back as "-1" and reads the same again (atol would cap "4294967295").
void AppendEntry(std::string& out, const char* key, std::uint32_t value)
{
    AppendLine(out,
               std::string(key) + "\n" + std::to_string(static_cast<std::int32_t>(value)) + "\n");
}

} // namespace

SaverSettings SaverDefaults()
{
    return SaverSettings{false, true, 1, true, 1, false, true};
}

std::string SaverSettingsPath(const std::string& dataDirectory)
{
    if (dataDirectory.empty())
        return {};
    std::string path = DataFilePath(dataDirectory, kSaverSettingsFileName);
    return path.size() > kMaxPathLength ? std::string() : path;
}

std::string FormatSaverSettings(const SaverSettings& settings, const std::vector<std::string>& tail)
{
    std::string out;
    AppendEntry(out, "Use All Tips=", settings.useAllTips);
    AppendEntry(out, "Clock=", settings.clock);
    AppendEntry(out, "Tip#=", settings.tipNumber);
    AppendEntry(out, "Timer Check=", settings.timerCheck);
    AppendEntry(out, "Timer=", settings.timer);
    AppendEntry(out, "Seconds=", settings.seconds);
    AppendEntry(out, "Minutes=", settings.minutes);
    for (const std::string& line : tail)
        AppendLine(out, line);
    return out;
}

bool WriteSaverSettingsFile(const std::string& path, const SaverSettings& settings,
                            const std::vector<std::string>& tail, std::string& error)
{
    AtomicFileWriter writer(path);
    if (writer.open() && writer.write(FormatSaverSettings(settings, tail)) && writer.commit())
        return true;
    error = writer.error();
    return false;
}

CreateResult CreateSaverSettingsFile(const std::string& path, const SaverSettings& settings,
                                     std::string& error)
{
    // "x": the open fails when anything, even a dangling link, already has the name.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) {
        if (errno == EEXIST)
            return CreateResult::AlreadyThere;
        error = "cannot create " + path + ": " + std::strerror(errno);
        return CreateResult::Failed;
    }
    const std::string bytes = FormatSaverSettings(settings);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return CreateResult::Created;
    error = "cannot write " + path + ": " + std::strerror(written ? errno : writeErrno);
    std::remove(path.c_str());
    return CreateResult::Failed;
}
