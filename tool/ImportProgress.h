#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

// A one-line progress display for a long import: silent for the first second, then
// rewritten a few times a second, and cleared at the end.
class ImportProgress {
  public:
    ImportProgress(std::ostream& err, bool enabled);
    ~ImportProgress();

    void startFile(const std::string& name, std::uint64_t size);
    void update(std::uint64_t bytesRead, std::size_t sayings);

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& m_err;
    bool m_enabled;
    bool m_shown = false;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastShown;
    std::string m_name;
    std::uint64_t m_size = 0;
};
