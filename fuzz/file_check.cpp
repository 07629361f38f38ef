// The two first-line checks on any file content: they must never crash and always
// give one of their documented results.
#include "common/FirstLineCheck.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string g_dir;

void RemoveScratch()
{
    std::remove((g_dir + "/PennivelTips.ini").c_str());
    ::rmdir(g_dir.c_str());
}

// The file each input is written to, in memory where there is such a folder.
const std::string& ScratchFile()
{
    static const std::string path = [] {
        char shm[] = "/dev/shm/pennivel-fuzz-XXXXXX";
        char tmp[] = "/tmp/pennivel-fuzz-XXXXXX";
        const char* dir = ::mkdtemp(shm) ? shm : ::mkdtemp(tmp);
        if (!dir)
            std::abort();
        g_dir = dir;
        std::atexit(RemoveScratch);
        return g_dir + "/PennivelTips.ini";
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
