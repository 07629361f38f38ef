#pragma once

#include <cstdio>
#include <string>

// Reads a file of CR LF or LF lines the way a text-mode line reader with a 1000-byte
// buffer sees it: each CR LF arrives as a single LF (a lone CR stays as it is), and a
// line longer than 999 bytes arrives in pieces of 999. Binary-safe: a NUL byte is data.
class TextModeLines {
  public:
    static constexpr std::size_t kMaxPiece = 999;

    explicit TextModeLines(std::FILE* file) : m_file(file) {}

    // Fills `line` with the next piece; false at end of file or on a read error.
    bool next(std::string& line);
    bool failed() const { return m_failed; }

  private:
    std::FILE* m_file;
    bool m_failed = false;
};
