// The two first-line checks on any file content: they must never crash and always
// give one of their documented results.
#include "common/FirstLineCheck.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& ScratchFile()
{
    static const std::string path = [] {
        char dir[] = "/tmp/pennivel-fuzz-XXXXXX";
        if (!::mkdtemp(dir))
            std::abort();
        return std::string(dir) + "/PennivelTips.ini";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = ScratchFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
    if (CheckTipsFile(path) > kCheckEmpty || CheckSettingsFile(path) > kCheckError)
        std::abort();
    return 0;
}
