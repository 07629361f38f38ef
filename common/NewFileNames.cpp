#include "common/NewFileNames.h"

#include "common/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kNewSuffix = ".new-";

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// True when nobody holds the file's lock, so no save is still writing it.
bool IsAbandoned(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool abandoned =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return abandoned;
}

} // namespace

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NewFileNameFor(const std::string& path)
{
    static std::random_device entropy;
    return path + kNewSuffix + std::to_string(entropy() % 1000000000u);
}

void RemoveLeftoverNewFiles(const std::string& targetPath)
{
    const std::string directory = DirectoryOf(targetPath);
    const std::string prefix = FileNameOf(targetPath) + kNewSuffix;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), ::closedir);
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string path = directory + "/" + name;
        if (IsAbandoned(path))
            ::unlink(path.c_str());
    }
}
