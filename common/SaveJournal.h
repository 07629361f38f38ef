#pragma once

#include "common/FileHandle.h"

#include <string>
#include <string_view>
#include <sys/types.h>

// The rollback journal of a save that rewrites a file in place (its folder refuses new
// files). Before the first byte is overwritten, the old content and a header (the file's
// path, device and inode, old and new sizes and checksums) are written and flushed to
// a private file in the user's state directory; once the rewrite is flushed the journal
// is removed. A journal found later means the save was cut off: the file then holds
// either the complete new content (the journal is dropped) or something else, which
// the old content from the journal replaces. While its save runs, a journal is locked,
// so nobody rolls back a save that is still under way.
class SaveJournal {
  public:
    SaveJournal() = default;
    ~SaveJournal();
    SaveJournal(const SaveJournal&) = delete;
    SaveJournal& operator=(const SaveJournal&) = delete;

    enum class Begun { Written, NoPlace, Failed };
    // Journals the rewrite of `target` (device and inode as given) from `oldContent` to
    // `newContent`. NoPlace: the user has no private state directory to keep it in;
    // Failed: it could not be written (errno set), and nothing of it is left.
    Begun begin(const std::string& target, dev_t device, ino_t inode, std::string_view oldContent,
                std::string_view newContent);
    // After the rewrite is on disk: the journal is removed.
    void finish();
    // After a rewrite that failed: puts the old content back; the journal stays for the
    // next open when even that fails.
    void rollBack();

  private:
    std::string m_path;
    std::string m_target;
    int m_fd = -1;
};

// Run by every program that may write the file before it reads it: completes what a
// save cut off by a crash left, as described above.
void RecoverInterruptedSave(const std::string& path);

// Opens the file for reading as its last complete save left it: for a reader that must
// not write, the old content from the journal of a save that was cut off (or is under
// way) stands in for a file only partly rewritten.
FileHandle OpenLastCompleteVersion(const std::string& path);
