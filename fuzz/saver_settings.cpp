// Both readings of the screen saver settings file on any content: they must never
// crash, and what the recorder's reading finds, written back, reads back the same.
#include "ScratchFile.h"
#include "common/SaverSettingsFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = WriteScratchFile(data, size);
    ReadSaverSettingsByPairs(path);
    const PositionalReading first = ReadSaverSettingsByPosition(path);
    if (first.status != SaverFileStatus::Read)
        return 0;
    const std::string written = FormatSaverSettings(first.values, first.tail);
    WriteScratchFile(reinterpret_cast<const std::uint8_t*>(written.data()), written.size());
    const PositionalReading again = ReadSaverSettingsByPosition(path);
    if (again.status != SaverFileStatus::Read || !(again.values == first.values) ||
        again.tail != first.tail)
        std::abort();
    return 0;
}
