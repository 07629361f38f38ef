#include "common/PieceReader.h"

#include <algorithm>
#include <cstring>

PieceReader::PieceReader(std::FILE* file) : m_file(file), m_buffer(1 << 16) {}

bool PieceReader::refill()
{
    m_pos = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_end == 0 && std::ferror(m_file))
        m_failed = true;
    return m_end > 0;
}

bool PieceReader::next(std::string& piece)
{
    piece.clear();
    while (piece.size() < kMaxPiece) {
        if (m_pos == m_end && !refill())
            break;
        const std::size_t room = kMaxPiece - piece.size();
        const std::size_t avail = std::min(room, m_end - m_pos);
        const char* start = m_buffer.data() + m_pos;
        const void* lf = std::memchr(start, '\n', avail);
        const std::size_t take = lf ? static_cast<const char*>(lf) - start + 1 : avail;
        piece.append(start, take);
        m_pos += take;
        if (lf)
            break;
    }
    return !piece.empty();
}
