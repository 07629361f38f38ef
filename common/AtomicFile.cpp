#include "common/AtomicFile.h"

#include "common/FileSystemCalls.h"
#include "common/NewFileNames.h"
#include "common/SaveJournal.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteChunk = 1 << 20;

// A file-size limit must make the write fail with EFBIG, reported like a full disk,
// instead of killing the program that still holds the unsaved data.
void IgnoreFileSizeSignal()
{
    static const bool ignored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)ignored;
}

FileIdentity IdentityFrom(const struct stat& st)
{
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
}

std::optional<FileIdentity> IdentityOfOpen(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return IdentityFrom(st);
}

// Asks the directory to record a rename. Best effort, as databases do it: the new file
// is complete and in place whatever this answers.
void FlushDirectoryOf(const std::string& path)
{
    const int dir = sys::Open(DirectoryOf(path), O_RDONLY | O_DIRECTORY);
    if (dir < 0)
        return;
    sys::Fsync(dir);
    sys::Close(dir);
}

} // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return IdentityFrom(st);
}

AtomicFileWriter::AtomicFileWriter(std::string targetPath, NewFile newFile)
    : m_target(std::move(targetPath)), m_newFile(newFile)
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

bool AtomicFileWriter::fail(const char* what, int errorNumber)
{
    return failWith(std::string(what) + " " + m_target + ": " + std::strerror(errorNumber));
}

bool AtomicFileWriter::failWith(std::string message)
{
    if (m_error.empty())
        m_error = std::move(message);
    discard();
    return false;
}

void AtomicFileWriter::discard()
{
    if (m_fd >= 0) {
        sys::Close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
    m_buffer.clear();
    m_opened = false;
}

bool AtomicFileWriter::resolveTarget()
{
    struct stat st {};
    m_final = m_target;
    if (::lstat(m_target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(m_target.c_str(), resolved))
            return errno == ENOENT
                       ? failWith("The link " + m_target + " points to a file that does not exist")
                       : fail("Cannot follow the link", errno);
        m_final = resolved;
    }
    m_oldExists = ::stat(m_final.c_str(), &st) == 0;
    if (!m_oldExists)
        return errno == ENOENT ? true : fail("Cannot reach", errno);
    if (S_ISDIR(st.st_mode))
        return fail("Cannot replace", EISDIR);
    if (!S_ISREG(st.st_mode))
        return failWith("Cannot replace " + m_target + ": it is not a regular file");
    // Replacing a file the user may not write would sidestep its protection.
    if (::faccessat(AT_FDCWD, m_final.c_str(), W_OK, AT_EACCESS) != 0)
        return fail("Cannot replace", errno);
    m_oldMode = st.st_mode & 07777;
    m_oldUid = st.st_uid;
    m_oldGid = st.st_gid;
    m_oldSize = st.st_size;
    return true;
}

bool AtomicFileWriter::open()
{
    discard();
    m_inPlace = false;
    IgnoreFileSizeSignal();
    if (!resolveTarget() || !createNewFile())
        return false;
    m_opened = true;
    return true;
}

bool AtomicFileWriter::createNewFile()
{
    RemoveLeftoverNewFiles(m_final);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = NewFileNameFor(m_final);
        // A replacement takes the old file's mode before its first byte; a document new
        // to the folder gets what the umask leaves of 0666, as any editor's would.
        const mode_t mode = m_newFile == NewFile::Document && !m_oldExists ? 0666 : 0600;
        m_fd = sys::Open(candidate, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (m_fd >= 0) {
            m_tempPath = std::move(candidate);
            // Held until the file is closed: the sign that this file is not a leftover.
            ::flock(m_fd, LOCK_EX);
            return takeOldFileRights();
        }
        if (errno == EEXIST)
            continue;
        const int refused = errno;
        if ((refused == EACCES || refused == EPERM) && m_oldExists) {
            m_inPlace = true;
            return true;
        }
        return fail("Cannot create a new file beside", refused);
    }
    return fail("Cannot create a new file beside", EEXIST);
}

bool AtomicFileWriter::takeOldFileRights()
{
    if (!m_oldExists)
        return true;
    struct stat st {};
    if (::fstat(m_fd, &st) == 0 && (st.st_uid != m_oldUid || st.st_gid != m_oldGid) &&
        sys::Fchown(m_fd, m_oldUid, m_oldGid) != 0)
        sys::Fchown(m_fd, static_cast<uid_t>(-1), m_oldGid); // the group alone, if that is allowed
    if (sys::Fchmod(m_fd, m_oldMode) != 0)
        return fail("Cannot keep the permissions of", errno);
    return true;
}

bool AtomicFileWriter::writeOut(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = sys::Write(m_fd, bytes.data(), bytes.size());
        if (written <= 0)
            return fail("Cannot write", written < 0 ? errno : EIO);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFileWriter::write(std::string_view bytes)
{
    if (!m_opened)
        return false;
    m_buffer.append(bytes);
    if (m_inPlace || m_buffer.size() < kWriteChunk)
        return true;
    const bool ok = writeOut(m_buffer);
    m_buffer.clear();
    return ok;
}

bool AtomicFileWriter::isStillExpected(const std::optional<FileIdentity>& current)
{
    if (!m_expected || current == m_expected)
        return true;
    m_changedOnDisk = true;
    return failWith(m_target + " was changed by another program since it was read");
}

bool AtomicFileWriter::commit()
{
    if (!m_opened)
        return false;
    const bool ok = m_inPlace ? commitInPlace() : commitNewFile();
    if (ok)
        discard();
    return ok;
}

bool AtomicFileWriter::commitNewFile()
{
    if (!writeOut(m_buffer))
        return false;
    if (sys::Fsync(m_fd) != 0)
        return fail("Cannot write", errno);
    const std::optional<FileIdentity> written = IdentityOfOpen(m_fd);
    const int fd = m_fd;
    m_fd = -1;
    if (sys::Close(fd) != 0)
        return fail("Cannot write", errno);
    if (!isStillExpected(IdentityOf(m_final)))
        return false;
    if (sys::Rename(m_tempPath, m_final) != 0)
        return fail("Cannot replace", errno);
    m_tempPath.clear();
    FlushDirectoryOf(m_final);
    // The rename itself sets the file's change time, so the version left is the one
    // seen now; unless another program already put its own file there.
    m_written = written.value_or(FileIdentity{});
    const std::optional<FileIdentity> renamed = IdentityOf(m_final);
    if (renamed && renamed->device == m_written.device && renamed->inode == m_written.inode)
        m_written = *renamed;
    return true;
}

bool AtomicFileWriter::commitInPlace()
{
    // A save of this file cut off earlier is put right first: the old content journaled
    // now must be a whole version.
    RecoverInterruptedSave(m_final);
    m_fd = sys::Open(m_final, O_RDWR);
    if (m_fd < 0)
        return fail("Cannot write", errno);
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return fail("Cannot write", errno);
    if (!isStillExpected(IdentityFrom(st)))
        return false;
    SaveJournal journal;
    if (!journalOldContent(journal, st))
        return false;
    if (!rewriteInPlace()) {
        journal.rollBack();
        return false;
    }
    journal.finish();
    return true;
}

bool AtomicFileWriter::journalOldContent(SaveJournal& journal, const struct stat& st)
{
    std::string old(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t got = 0;
    while (got < old.size()) {
        const ssize_t n =
            sys::Pread(m_fd, old.data() + got, old.size() - got, static_cast<off_t>(got));
        if (n < 0)
            return fail("Cannot read", errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    old.resize(got);
    m_oldSize = static_cast<std::int64_t>(got);
    switch (journal.begin(m_final, st.st_dev, st.st_ino, old, m_buffer)) {
    case SaveJournal::Begun::Written: return true;
    // Without a private state directory the rewrite goes unprotected, as it always did.
    case SaveJournal::Begun::NoPlace: return true;
    case SaveJournal::Begun::Failed: break;
    }
    return failWith("Cannot keep the old content of " + m_target +
                    " safe for the rewrite: " + std::strerror(errno));
}

bool AtomicFileWriter::rewriteInPlace()
{
    const auto size = static_cast<off_t>(m_buffer.size());
    // Reserving the space first turns a full disk into a failure before the first byte
    // is overwritten.
    if (size > m_oldSize) {
        const int reserved = sys::Fallocate(m_fd, size);
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
            sys::Ftruncate(m_fd, m_oldSize);
            return fail("Cannot write", reserved);
        }
    }
    if (!writeOut(m_buffer))
        return false;
    if (sys::Ftruncate(m_fd, size) != 0 || sys::Fsync(m_fd) != 0)
        return fail("Cannot write", errno);
    m_written = IdentityOfOpen(m_fd).value_or(FileIdentity{});
    const int fd = m_fd;
    m_fd = -1;
    return sys::Close(fd) == 0 || fail("Cannot write", errno);
}
