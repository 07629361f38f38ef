#include "common/SaveJournal.h"

#include "common/FileSystemCalls.h"
#include "common/PrivateDirectory.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kMagic = "pennivel-journal 1";

// FNV-1a: cheap, and any torn or mixed content changes it.
std::uint64_t Checksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ULL;
    return hash;
}

struct Header {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t oldSize = 0;
    std::uint64_t newSize = 0;
    std::uint64_t oldSum = 0;
    std::uint64_t newSum = 0;
    std::uint64_t pathSize = 0;
};

std::string FormatHeader(const Header& h, const std::string& target)
{
    char numbers[200];
    std::snprintf(numbers, sizeof numbers,
                  " %" PRIu64 " %" PRIu64 " %" PRIu64 " %" PRIu64 " %" PRIu64 " %" PRIu64
                  " %" PRIu64 "\n",
                  h.device, h.inode, h.oldSize, h.newSize, h.oldSum, h.newSum, h.pathSize);
    // The path, for a person who finds the journal; its length keeps any byte in it
    // from being taken for the end of the header.
    return std::string(kMagic) + numbers + target + "\n";
}

// The journal's place for the file with this device and inode: named by what the file
// is, so every path that leads to it finds the same journal.
std::string JournalPath(std::uint64_t device, std::uint64_t inode, bool create)
{
    std::string dir = StateDirectoryPath();
    if (dir.empty() || !(create ? !PrivateDirectory(dir).empty() : IsPrivateDirectory(dir)))
        return {};
    return dir + "/save-" + std::to_string(device) + "-" + std::to_string(inode) + ".journal";
}

bool ReadAll(int fd, std::string& bytes)
{
    bytes.clear();
    char block[1 << 16];
    for (off_t at = 0;;) {
        const ssize_t got = sys::Pread(fd, block, sizeof block, at);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(block, static_cast<std::size_t>(got));
        at += got;
    }
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = sys::Write(fd, bytes.data(), bytes.size());
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A journal as read back: the old content, when the journal is whole.
struct Journal {
    Header header;
    std::string oldContent;
};

std::optional<Journal> ParseJournal(const std::string& bytes)
{
    Journal journal;
    Header& h = journal.header;
    const std::size_t firstEnd = bytes.find('\n');
    if (firstEnd == std::string::npos || bytes.compare(0, kMagic.size(), kMagic) != 0)
        return std::nullopt;
    const std::string numbers = bytes.substr(kMagic.size(), firstEnd - kMagic.size());
    if (std::sscanf(
            numbers.c_str(),
            "%" SCNu64 " %" SCNu64 " %" SCNu64 " %" SCNu64 " %" SCNu64 " %" SCNu64 " %" SCNu64,
            &h.device, &h.inode, &h.oldSize, &h.newSize, &h.oldSum, &h.newSum, &h.pathSize) != 7 ||
        bytes.size() < firstEnd + 1 + h.pathSize + 1)
        return std::nullopt;
    journal.oldContent = bytes.substr(firstEnd + 1 + h.pathSize + 1);
    if (journal.oldContent.size() != h.oldSize || Checksum(journal.oldContent) != h.oldSum)
        return std::nullopt; // cut off while it was written: the file was not touched yet
    return journal;
}

// What the file holds, measured against its journal.
enum class TargetState { Unreadable, Old, New, Other };

TargetState StateOf(const std::string& target, const Header& h)
{
    const int fd = sys::Open(target, O_RDONLY);
    if (fd < 0)
        return TargetState::Unreadable;
    std::string content;
    const bool read = ReadAll(fd, content);
    sys::Close(fd);
    if (!read)
        return TargetState::Unreadable;
    const std::uint64_t sum = Checksum(content);
    if (content.size() == h.newSize && sum == h.newSum)
        return TargetState::New;
    return content.size() == h.oldSize && sum == h.oldSum ? TargetState::Old : TargetState::Other;
}

struct OpenJournal {
    std::string path;
    int fd = -1;
};

// The journal of the file `target` names, when there is one of this user's.
OpenJournal FindJournal(const std::string& target, int flags)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return {};
    OpenJournal found{JournalPath(st.st_dev, st.st_ino, false)};
    if (found.path.empty())
        return {};
    found.fd = ::open(found.path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
    struct stat own {};
    if (found.fd >= 0 &&
        (::fstat(found.fd, &own) != 0 || !S_ISREG(own.st_mode) || own.st_uid != ::geteuid())) {
        ::close(found.fd);
        found.fd = -1;
    }
    return found;
}

// Puts the old content back over a torn file; true once it is on disk.
bool Restore(const std::string& target, const std::string& oldContent)
{
    const int fd = sys::Open(target, O_WRONLY);
    if (fd < 0)
        return false;
    const bool restored = WriteAll(fd, oldContent) &&
                          sys::Ftruncate(fd, static_cast<off_t>(oldContent.size())) == 0 &&
                          sys::Fsync(fd) == 0;
    return sys::Close(fd) == 0 && restored;
}

// The recovery itself, with the journal open and locked by the caller; the journal is
// removed once the file holds complete content again. `keep` is the content that may
// stay besides the old one: the new one after a crash, none after a save that failed
// and told its caller so.
enum class Keep { OldOrNew, OldOnly };

void Recover(const std::string& target, int journalFd, const std::string& journalPath, Keep keep)
{
    std::string bytes;
    if (!ReadAll(journalFd, bytes))
        return;
    const std::optional<Journal> journal = ParseJournal(bytes);
    if (journal) {
        const TargetState state = StateOf(target, journal->header);
        const bool stays =
            state == TargetState::Old || (state == TargetState::New && keep == Keep::OldOrNew);
        if (state == TargetState::Unreadable || (!stays && !Restore(target, journal->oldContent)))
            return;
    }
    sys::Unlink(journalPath);
}

void FlushDirectory(const std::string& path)
{
    const int dir = sys::Open(path.substr(0, path.rfind('/')), O_RDONLY | O_DIRECTORY);
    if (dir < 0)
        return;
    sys::Fsync(dir);
    sys::Close(dir);
}

} // namespace

SaveJournal::~SaveJournal()
{
    if (m_fd >= 0)
        sys::Close(m_fd);
}

SaveJournal::Begun SaveJournal::begin(const std::string& target, dev_t device, ino_t inode,
                                      std::string_view oldContent, std::string_view newContent)
{
    m_path = JournalPath(device, inode, true);
    if (m_path.empty())
        return Begun::NoPlace;
    m_target = target;
    const Header header{device,
                        inode,
                        oldContent.size(),
                        newContent.size(),
                        Checksum(oldContent),
                        Checksum(newContent),
                        target.size()};
    m_fd = sys::Open(m_path, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) == 0 && WriteAll(m_fd, FormatHeader(header, target)) &&
        WriteAll(m_fd, oldContent) && sys::Fsync(m_fd) == 0) {
        // The journal's name must be on disk too before the file is touched.
        FlushDirectory(m_path);
        return Begun::Written;
    }
    const int error = errno;
    if (m_fd >= 0) {
        ::unlink(m_path.c_str());
        sys::Close(m_fd);
        m_fd = -1;
    }
    errno = error;
    return Begun::Failed;
}

void SaveJournal::finish()
{
    if (m_fd < 0)
        return;
    if (sys::Unlink(m_path) == 0)
        FlushDirectory(m_path);
    sys::Close(m_fd);
    m_fd = -1;
}

void SaveJournal::rollBack()
{
    if (m_fd < 0)
        return;
    Recover(m_target, m_fd, m_path, Keep::OldOnly);
    sys::Close(m_fd);
    m_fd = -1;
}

void RecoverInterruptedSave(const std::string& path)
{
    const OpenJournal journal = FindJournal(path, O_RDONLY);
    if (journal.fd < 0)
        return;
    // A journal still locked belongs to a save under way.
    if (::flock(journal.fd, LOCK_EX | LOCK_NB) == 0)
        Recover(path, journal.fd, journal.path, Keep::OldOrNew);
    ::close(journal.fd);
}

FileHandle OpenLastCompleteVersion(const std::string& path)
{
    const OpenJournal found = FindJournal(path, O_RDONLY);
    std::string bytes;
    const bool read = found.fd >= 0 && ReadAll(found.fd, bytes);
    if (found.fd >= 0)
        ::close(found.fd);
    const std::optional<Journal> journal = read ? ParseJournal(bytes) : std::nullopt;
    if (!journal || StateOf(path, journal->header) != TargetState::Other)
        return OpenFile(path, "rb");
    // A stream of its own over a copy of the old content, freed when it is closed; one
    // byte more than the content, which the stream keeps for a closing NUL.
    FileHandle old(fmemopen(nullptr, journal->oldContent.size() + 1, "w+"));
    if (old && std::fwrite(journal->oldContent.data(), 1, journal->oldContent.size(), old.get()) ==
                   journal->oldContent.size())
        std::rewind(old.get());
    return old;
}
