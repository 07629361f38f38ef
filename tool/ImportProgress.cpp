#include "tool/ImportProgress.h"

ImportProgress::ImportProgress(std::ostream& err, bool enabled) : m_err(err), m_enabled(enabled) {}

ImportProgress::~ImportProgress()
{
    if (m_shown)
        m_err << "\r\033[K" << std::flush;
}

void ImportProgress::startFile(const std::string& name, std::uint64_t size)
{
    m_name = name;
    m_size = size;
}

void ImportProgress::update(std::uint64_t bytesRead, std::size_t sayings)
{
    if (!m_enabled)
        return;
    const Clock::time_point now = Clock::now();
    if (now - m_start < std::chrono::seconds(1) ||
        (m_shown && now - m_lastShown < std::chrono::milliseconds(200)))
        return;
    m_shown = true;
    m_lastShown = now;
    m_err << "\r\033[Kimporting " << m_name;
    if (m_size > 0)
        m_err << ": " << (bytesRead * 100 / m_size) << "%";
    m_err << ", " << sayings << " sayings" << std::flush;
}
