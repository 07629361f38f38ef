#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Reads a text file the way the line-oriented readers of both programs see it: in
// pieces of at most 999 bytes, each ending after a line feed or when the 999 bytes
// are full. Unlike a C-string reader it is binary-safe: a NUL byte is data.
class PieceReader {
  public:
    static constexpr std::size_t kMaxPiece = 999;

    explicit PieceReader(std::FILE* file, std::size_t blockSize = std::size_t{1} << 16);

    // Points `piece` at the next piece, inside the reader's block: valid until the next
    // call. False at end of file or on a read error.
    bool next(std::string_view& piece);
    // The same, copied.
    bool next(std::string& piece);
    bool failed() const { return m_failed; }
    // Bytes of the file handed out as pieces so far.
    std::size_t consumed() const { return m_consumed; }
    // The system's reason for the failed read (errno), 0 while none failed.
    int error() const { return m_error; }

  private:
    bool refill();

    std::FILE* m_file;
    std::size_t m_size;
    // Left unfilled until read into: zeroing a block of a quarter megabyte cost more than
    // reading a small file.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::size_t m_consumed = 0;
    bool m_atEnd = false;
    bool m_failed = false;
    int m_error = 0;
};
