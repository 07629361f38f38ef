#include "common/FileSystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int g_failAt = 0;
bool g_failLater = false;
int g_failError = 0;
int g_calls = 0;
const char* g_failedCall = "";

// True when this call is the one a test asked to fail; errno is then set.
bool Injected(const char* name)
{
    ++g_calls;
    if (g_failAt == 0 || g_calls < g_failAt || (g_calls > g_failAt && !g_failLater))
        return false;
    if (g_calls == g_failAt)
        g_failedCall = name;
    errno = g_failError;
    return true;
}

} // namespace

void FailNthFileCall(int n, int errorNumber)
{
    g_failLater = false;
    g_failAt = n == 0 ? 0 : g_calls + n;
    g_failError = errorNumber;
    if (n != 0)
        g_failedCall = "";
}

void FailFileCallsFrom(int n, int errorNumber)
{
    FailNthFileCall(n, errorNumber);
    g_failLater = n != 0;
}

int FileCallsMade()
{
    return g_calls;
}

const char* FailedFileCallName()
{
    return g_failedCall;
}

namespace sys {

int Open(const std::string& path, int flags, mode_t mode)
{
    if (Injected("open"))
        return -1;
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t Write(int fd, const void* data, std::size_t size)
{
    if (Injected("write"))
        return -1;
    ssize_t written;
    do
        written = ::write(fd, data, size);
    while (written < 0 && errno == EINTR);
    return written;
}

int Fsync(int fd)
{
    return Injected("fsync") ? -1 : ::fsync(fd);
}

int Fchmod(int fd, mode_t mode)
{
    return Injected("fchmod") ? -1 : ::fchmod(fd, mode);
}

int Fchown(int fd, uid_t owner, gid_t group)
{
    return Injected("fchown") ? -1 : ::fchown(fd, owner, group);
}

int Ftruncate(int fd, off_t size)
{
    return Injected("ftruncate") ? -1 : ::ftruncate(fd, size);
}

int Fallocate(int fd, off_t size)
{
    return Injected("fallocate") ? errno : ::posix_fallocate(fd, 0, size);
}

ssize_t Pread(int fd, void* data, std::size_t size, off_t offset)
{
    if (Injected("pread"))
        return -1;
    ssize_t got;
    do
        got = ::pread(fd, data, size, offset);
    while (got < 0 && errno == EINTR);
    return got;
}

int Rename(const std::string& from, const std::string& to)
{
    return Injected("rename") ? -1 : ::rename(from.c_str(), to.c_str());
}

int Unlink(const std::string& path)
{
    return Injected("unlink") ? -1 : ::unlink(path.c_str());
}

int Close(int fd)
{
    // Linux frees the descriptor even when close reports an error, so it is never retried.
    if (Injected("close")) {
        ::close(fd);
        return -1;
    }
    return ::close(fd);
}

} // namespace sys
