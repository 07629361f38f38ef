#include "tool/SayingReader.h"

#include <cerrno>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace {

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

// Collects the lines of one saying; blank lines are held back until a line with text
// follows, so those at the end never reach the saying.
class SayingBuilder {
  public:
    void addLine(std::string_view line)
    {
        if (IsBlank(line)) {
            if (!m_text.empty())
                ++m_heldBlankLines;
            return;
        }
        for (; m_heldBlankLines > 0; --m_heldBlankLines)
            m_text += "\r\n";
        if (!m_text.empty())
            m_text += "\r\n";
        m_text += line;
    }

    void finish(const std::function<void(std::string&&)>& onSaying)
    {
        m_heldBlankLines = 0;
        if (m_text.empty())
            return;
        m_text.push_back('\n');
        onSaying(std::move(m_text));
        m_text.clear();
    }

  private:
    std::string m_text;
    int m_heldBlankLines = 0;
};

} // namespace

int ReadSayings(std::FILE* file, SayingLayout layout,
                const std::function<void(std::string&&)>& onSaying,
                const std::function<void(std::uint64_t)>& onProgress)
{
    constexpr std::uint64_t kProgressStep = 1 << 20;
    SayingBuilder saying;
    std::string line;
    char* buffer = nullptr;
    std::size_t capacity = 0;
    std::uint64_t bytesRead = 0;
    std::uint64_t reportedAt = 0;
    ssize_t length = 0;
    int failure = 0;
    try {
        errno = 0;
        while ((length = ::getline(&buffer, &capacity, file)) > 0) {
            bytesRead += static_cast<std::uint64_t>(length);
            // The Tips file is read a line at a time as C strings, so a NUL byte would cut
            // the text there; it is the one byte not kept.
            const std::string_view read(buffer, static_cast<std::size_t>(length));
            line.assign(read);
            if (read.find('\0') != std::string_view::npos)
                std::erase(line, '\0');
            if (!line.empty() && line.back() == '\n')
                line.pop_back();
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const bool separator = layout == SayingLayout::Fortune ? line == "%" : IsBlank(line);
            if (separator)
                saying.finish(onSaying);
            else
                saying.addLine(line);
            if (onProgress && bytesRead - reportedAt >= kProgressStep) {
                reportedAt = bytesRead;
                onProgress(bytesRead);
            }
            errno = 0;
        }
        // getline ends the same way at the end of the file and when it cannot grow its
        // line (ENOMEM), and glibc flags only some of these on the stream: only the end
        // of the file is the end of the input.
        if (std::ferror(file) || !std::feof(file))
            failure = errno != 0 ? errno : EIO;
        else
            saying.finish(onSaying);
    } catch (const std::bad_alloc&) {
        failure = ENOMEM;
    }
    std::free(buffer);
    if (onProgress && failure == 0)
        onProgress(bytesRead);
    return failure;
}
