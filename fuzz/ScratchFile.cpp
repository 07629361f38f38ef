#include "ScratchFile.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string g_dir;

void RemoveScratch()
{
    std::remove((g_dir + "/scratch.ini").c_str());
    ::rmdir(g_dir.c_str());
}

const std::string& ScratchPath()
{
    static const std::string path = [] {
        char shm[] = "/dev/shm/pennivel-fuzz-XXXXXX";
        char tmp[] = "/tmp/pennivel-fuzz-XXXXXX";
        const char* dir = ::mkdtemp(shm) ? shm : ::mkdtemp(tmp);
        if (!dir)
            std::abort();
        g_dir = dir;
        std::atexit(RemoveScratch);
        return g_dir + "/scratch.ini";
    }();
    return path;
}

} // namespace

const std::string& WriteScratchFile(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = ScratchPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
    return path;
}
