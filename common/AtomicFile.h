#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

class SaveJournal;
struct stat;

// What tells one version of a file from another without reading it: a file replaced,
// rewritten or touched by another program differs in at least one of these. The change
// time is the one no program can set back, so a rewrite that restores the size and the
// modification time (cp -p, touch -r) is still told apart.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` names (following links); empty when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// Replaces a file as a whole: writes go to a new file in the same directory, and
// commit() flushes it to disk and renames it over the target, then flushes the
// directory so the rename survives a power loss. Destroying the writer without a
// successful commit removes the new file and leaves the target as it was.
//
// A target that is a symbolic link is replaced where the link points, so the link
// stays. The new file is private (or a document) from its creation and takes the old
// file's mode (and, where the process may, its owner and group) before its first byte.
// When the directory refuses new files but the file itself may be written, the whole
// content is kept in memory and written over the file in place at commit(), space
// reserved first, with the old content kept in a rollback journal meanwhile
// (common/SaveJournal.h).
class AtomicFileWriter {
  public:
    // Who may read a file that did not exist before: the user alone (the Tips and the
    // settings), or whoever the user's umask lets read their documents (an export).
    enum class NewFile { Private, Document };

    explicit AtomicFileWriter(std::string targetPath, NewFile newFile = NewFile::Private);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(std::string_view bytes);
    bool commit();

    // The first failure, worded for the user ("cannot create ...: Permission denied").
    const std::string& error() const { return m_error; }

    // Makes commit() refuse to replace a target that is no longer `expected`, the
    // version the caller read; changedOnDisk() then tells this refusal from a failure.
    void replaceOnlyIf(const FileIdentity& expected) { m_expected = expected; }
    bool changedOnDisk() const { return m_changedOnDisk; }
    // The target's identity after a successful commit.
    const FileIdentity& written() const { return m_written; }
    bool wroteInPlace() const { return m_inPlace; }

  private:
    bool fail(const char* what, int errorNumber);
    bool failWith(std::string message);
    bool resolveTarget();
    bool createNewFile();
    bool takeOldFileRights();
    bool writeOut(std::string_view bytes);
    bool isStillExpected(const std::optional<FileIdentity>& current);
    bool commitInPlace();
    bool journalOldContent(SaveJournal& journal, const struct stat& st);
    bool rewriteInPlace();
    bool commitNewFile();
    void discard();

    std::string m_target; // as given; may be a link
    NewFile m_newFile;
    std::string m_final; // the file that is really replaced
    std::string m_tempPath;
    int m_fd = -1;
    std::string m_buffer;
    bool m_opened = false;
    bool m_inPlace = false;
    bool m_oldExists = false;
    unsigned m_oldMode = 0;
    unsigned m_oldUid = 0;
    unsigned m_oldGid = 0;
    std::int64_t m_oldSize = 0;
    std::optional<FileIdentity> m_expected;
    bool m_changedOnDisk = false;
    FileIdentity m_written;
    std::string m_error;
};

// Removes the new files that saves of `targetPath` left behind when they were cut
// off (a crash, a kill), sparing any that a running writer still holds.
void RemoveLeftoverNewFiles(const std::string& targetPath);

// Pushes the data written to a C stream to the disk.
bool FlushToDisk(std::FILE* file);
