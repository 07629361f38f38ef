#include "platform/DataDirectoryLock.h"

#include "common/PrivateDirectory.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens the lock file at `path` only when it is a plain file of this user's, never
// through a link; -1 otherwise.
int OpenOwnLockFile(const std::string& path, int createFlags)
{
    const int fd =
        ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | createFlags, 0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
        return fd;
    ::close(fd);
    errno = EPERM;
    return -1;
}

int OpenLockFile(const std::string& path)
{
    int fd = OpenOwnLockFile(path, O_CREAT);
    if (fd >= 0 || errno != EPERM)
        return fd;
    // Planted by someone else (or not a file): ours replaces it where the directory lets us.
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        fd = OpenOwnLockFile(path, O_CREAT | O_EXCL);
    return fd;
}

void WriteHolder(int fd)
{
    const std::string record =
        std::to_string(::getpid()) + "\n" + program_invocation_short_name + "\n";
    if (::ftruncate(fd, 0) == 0)
        (void)!::pwrite(fd, record.data(), record.size(), 0);
}

std::string ReadHolder(int fd)
{
    char buffer[256];
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, 0);
    if (got <= 0)
        return {};
    const std::string_view record(buffer, static_cast<std::size_t>(got));
    const std::size_t lineEnd = record.find('\n');
    const std::size_t nameEnd = record.find('\n', lineEnd + 1);
    if (lineEnd == std::string_view::npos || nameEnd == std::string_view::npos)
        return {};
    // A record left by a holder that crashed names a process that is gone.
    const std::string pid(record.substr(0, lineEnd));
    if (std::atoi(pid.c_str()) <= 0 || (::kill(std::atoi(pid.c_str()), 0) != 0 && errno == ESRCH))
        return {};
    return std::string(record.substr(lineEnd + 1, nameEnd - lineEnd - 1)) + ", process " + pid;
}

// The fallback lock's place: the data directory told by what it is, not by its name.
std::string StateDirectoryLockPath(const std::string& directory)
{
    struct stat st {};
    if (::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return {};
    const std::string state = PrivateStateDirectory();
    if (state.empty())
        return {};
    return state + "/data-" + std::to_string(st.st_dev) + "-" + std::to_string(st.st_ino) + ".lock";
}

} // namespace

DataDirectoryLock::DataDirectoryLock(const std::string& directory)
{
    if (lockFile(directory + "/" + kFileName) || m_state == State::HeldByOther)
        return;
    if (const std::string fallback = StateDirectoryLockPath(directory); !fallback.empty())
        lockFile(fallback);
}

bool DataDirectoryLock::lockFile(const std::string& path)
{
    m_fd = OpenLockFile(path);
    if (m_fd < 0)
        return false;
    m_path = path;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Held;
        WriteHolder(m_fd);
        return true;
    }
    if (errno == EWOULDBLOCK) {
        m_state = State::HeldByOther;
        m_holder = ReadHolder(m_fd);
    }
    ::close(m_fd);
    m_fd = -1;
    return false;
}

DataDirectoryLock::~DataDirectoryLock()
{
    if (m_fd < 0)
        return;
    // A later holder that does not write its name must not be taken for this one.
    (void)!::ftruncate(m_fd, 0);
    ::close(m_fd);
}
