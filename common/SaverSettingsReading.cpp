#include "common/Atol.h"
#include "common/FileHandle.h"
#include "common/FirstLineCheck.h"
#include "common/SaverSettingsFile.h"
#include "common/TextModeLines.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace {

// The one line source both readings share: the path and file checks, then the lines.
class SettingsLines {
  public:
    SaverFileStatus open(const std::string& path, std::string& reason)
    {
        if (path.empty()) {
            reason = "no usable path for the settings file";
            return SaverFileStatus::PathUnusable;
        }
        const std::uint32_t check = CheckSettingsFile(path);
        if (check != kCheckFound) {
            reason = DescribeSettingsCheck(check);
            return SaverFileStatus::CheckFailed;
        }
        m_file = OpenFile(path, "rb");
        if (!m_file) {
            reason = "cannot open " + path + ": " + std::strerror(errno);
            return SaverFileStatus::OpenFailed;
        }
        m_lines.emplace(m_file.get());
        return SaverFileStatus::Read;
    }

    bool line(std::string& text) { return m_lines->next(text); }
    bool failed() const { return m_lines->failed(); }

    // A key line, never looked at, and its value line.
    bool value(std::int32_t& number)
    {
        std::string text;
        if (!line(text) || !line(text))
            return false;
        number = Atol(text);
        return true;
    }

  private:
    FileHandle m_file;
    std::optional<TextModeLines> m_lines;
};

// The value lines of the first `count` pairs, into `numbers`.
bool ReadValues(SettingsLines& lines, std::int32_t* numbers, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!lines.value(numbers[i]))
            return false;
    }
    return true;
}

SaverSettings AsRead(const std::int32_t (&n)[7])
{
    return SaverSettings{n[0] != 0,
                         n[1] != 0,
                         static_cast<std::uint32_t>(n[2]),
                         n[3] != 0,
                         static_cast<std::uint32_t>(n[4]),
                         n[5] != 0,
                         n[6] != 0};
}

bool ReadPairs(SettingsLines& lines, SaverSettings& settings)
{
    std::int32_t n[7] = {};
    // A nonzero Seconds value ends the reading: the Minutes pair is never read.
    if (!ReadValues(lines, n, 6) || (n[5] == 0 && !ReadValues(lines, n + 6, 1)))
        return false;
    // All Tips outranks the clock, seconds outrank minutes.
    if (n[0] != 0)
        n[1] = 0;
    if (n[5] != 0)
        n[6] = 0;
    settings = AsRead(n);
    return true;
}

} // namespace

PositionalReading ReadSaverSettingsByPosition(const std::string& path)
{
    PositionalReading reading;
    SettingsLines lines;
    reading.status = lines.open(path, reading.reason);
    if (reading.status != SaverFileStatus::Read)
        return reading;
    std::int32_t n[7] = {};
    if (!ReadValues(lines, n, 7)) {
        reading.status = SaverFileStatus::LineMissing;
        reading.reason = "the file ends before its fourteenth line";
        return reading;
    }
    reading.values = AsRead(n);
    std::string text;
    while (lines.line(text))
        reading.tail.push_back(text);
    if (lines.failed()) {
        // A tail cut short would be written back cut short.
        reading.status = SaverFileStatus::LineMissing;
        reading.reason = "the file could not be read to its end";
        reading.tail.clear();
    }
    return reading;
}

SaverReading ReadSaverSettingsByPairs(const std::string& path)
{
    SaverReading reading;
    std::error_code ec;
    reading.fileFound = !path.empty() && std::filesystem::exists(path, ec);
    SettingsLines lines;
    std::string reason;
    reading.status = lines.open(path, reason);
    if (reading.status == SaverFileStatus::Read && !ReadPairs(lines, reading.settings))
        reading.status = SaverFileStatus::LineMissing;
    if (reading.status != SaverFileStatus::Read)
        reading.settings = SaverDefaults();
    return reading;
}
