#pragma once

#include <array>
#include <streambuf>

// A buffered stream buffer over a file descriptor (the tool's standard output) that
// keeps the system's reason when a write fails, so the tool can say why it failed
// ("No space left on device") instead of only that it did.
class FdOutput : public std::streambuf {
  public:
    explicit FdOutput(int fd) : m_fd(fd)
    {
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    }
    ~FdOutput() override { sync(); }
    FdOutput(const FdOutput&) = delete;
    FdOutput& operator=(const FdOutput&) = delete;

    // The errno of the first failed write, 0 while none failed.
    int error() const { return m_error; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool drain();

    int m_fd;
    int m_error = 0;
    std::array<char, 1 << 16> m_buffer{};
};
