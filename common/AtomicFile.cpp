#include "common/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : m_target(std::move(targetPath)) {}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

bool AtomicFileWriter::fail(const char* what, int errorNumber)
{
    if (m_error.empty())
        m_error = std::string(what) + " " + m_target + ": " + std::strerror(errorNumber);
    discard();
    return false;
}

void AtomicFileWriter::discard()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_tempPath.empty()) {
        std::remove(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

bool AtomicFileWriter::open()
{
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = m_target + ".new-" + std::to_string(entropy() % 1000000000u);
        // "x" refuses to reuse a name that exists, so two writers never share a file.
        errno = 0;
        m_file = std::fopen(candidate.c_str(), "wbx");
        if (m_file) {
            m_tempPath = std::move(candidate);
            std::setvbuf(m_file, nullptr, _IOFBF, 1 << 20);
            return true;
        }
        if (errno != EEXIST)
            return fail("Cannot create a new file beside", errno);
    }
    return fail("Cannot create a new file beside", EEXIST);
}

bool AtomicFileWriter::write(std::string_view bytes)
{
    if (!m_file)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        return fail("Cannot write", errno ? errno : EIO);
    return true;
}

bool AtomicFileWriter::commit()
{
    if (!m_file)
        return false;
    if (!FlushToDisk(m_file))
        return fail("Cannot write", errno ? errno : EIO);
    const int closed = std::fclose(m_file);
    m_file = nullptr;
    if (closed != 0)
        return fail("Cannot write", errno ? errno : EIO);
    std::error_code ec;
    const fs::file_status old = fs::status(m_target, ec);
    if (!ec && fs::exists(old)) {
        fs::permissions(m_tempPath, old.permissions(), ec);
        if (ec)
            return fail("Cannot keep the permissions of", ec.value());
    }
    if (std::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return fail("Cannot replace", errno);
    m_tempPath.clear();
    return true;
}
