#include "common/TextModeLines.h"

bool TextModeLines::next(std::string& line)
{
    line.clear();
    while (line.size() < kMaxPiece) {
        int c = std::getc(m_file);
        if (c == EOF)
            break;
        if (c == '\r') {
            const int following = std::getc(m_file);
            if (following == '\n')
                c = '\n';
            else if (following != EOF)
                std::ungetc(following, m_file);
        }
        line += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (std::ferror(m_file))
        m_failed = true;
    return !line.empty() && !m_failed;
}
