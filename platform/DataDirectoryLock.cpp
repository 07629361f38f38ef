#include "platform/DataDirectoryLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

DataDirectoryLock::DataDirectoryLock(const std::string& directory)
{
    m_fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK)
        m_state = State::HeldByOther;
    ::close(m_fd);
    m_fd = -1;
}

DataDirectoryLock::~DataDirectoryLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
