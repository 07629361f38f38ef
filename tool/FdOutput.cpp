#include "tool/FdOutput.h"

#include <cerrno>
#include <unistd.h>

bool FdOutput::drain()
{
    const char* at = pbase();
    while (m_error == 0 && at < pptr()) {
        const ssize_t written = ::write(m_fd, at, static_cast<std::size_t>(pptr() - at));
        if (written > 0)
            at += written;
        else if (written < 0 && errno == EINTR)
            continue;
        else
            m_error = written < 0 ? errno : EIO;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

FdOutput::int_type FdOutput::overflow(int_type c)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int FdOutput::sync()
{
    return drain() ? 0 : -1;
}
