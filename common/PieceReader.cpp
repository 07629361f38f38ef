#include "common/PieceReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

PieceReader::PieceReader(std::FILE* file, std::size_t blockSize)
    : m_file(file), m_size(std::max(blockSize, kMaxPiece)),
      m_buffer(std::make_unique_for_overwrite<char[]>(m_size))
{
}

// Keeps the unread bytes, moved to the front, and reads more behind them; a piece
// that started near the end of one block thus lies whole in the next.
bool PieceReader::refill()
{
    if (m_atEnd)
        return false;
    const std::size_t kept = m_end - m_pos;
    std::memmove(m_buffer.get(), m_buffer.get() + m_pos, kept);
    m_pos = 0;
    m_end = kept;
    errno = 0;
    const std::size_t got = std::fread(m_buffer.get() + kept, 1, m_size - kept, m_file);
    m_end += got;
    if (got == 0) {
        m_atEnd = true;
        m_failed = std::ferror(m_file) != 0;
        if (m_failed)
            m_error = errno != 0 ? errno : EIO;
    }
    return got > 0;
}

bool PieceReader::next(std::string_view& piece)
{
    std::size_t scanned = 0; // bytes from m_pos known to hold no line feed
    std::size_t take = 0;
    for (;;) {
        const std::size_t avail = std::min(kMaxPiece, m_end - m_pos);
        const char* start = m_buffer.get() + m_pos;
        if (const void* lf = std::memchr(start + scanned, '\n', avail - scanned)) {
            take = static_cast<std::size_t>(static_cast<const char*>(lf) - start) + 1;
            break;
        }
        scanned = avail;
        if (avail == kMaxPiece || !refill()) {
            take = avail;
            break;
        }
    }
    piece = {m_buffer.get() + m_pos, take};
    m_pos += take;
    m_consumed += take;
    return take > 0;
}

bool PieceReader::next(std::string& piece)
{
    std::string_view view;
    const bool got = next(view);
    piece.assign(view);
    return got;
}
