#include "common/SaverSettingsFile.h"

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

void AppendEntry(std::string& out, const char* key, std::uint64_t value)
{
    AppendLine(out, std::string(key) + "\n" + std::to_string(value) + "\n");
}

} // namespace

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
