// The two first-line checks on any file content: they must never crash and always
// give one of their documented results.
#include "ScratchFile.h"
#include "common/FirstLineCheck.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = WriteScratchFile(data, size);
    if (CheckTipsFile(path) > kCheckEmpty || CheckSettingsFile(path) > kCheckError)
        std::abort();
    return 0;
}
