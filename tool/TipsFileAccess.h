#pragma once

#include "common/AtomicFile.h"
#include "common/TipList.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

class DataDirectoryLock;
class SingleInstance;

// The file `fileName` in the data directory; false, with the reason on `err`, when the
// directory's path is too long to hold it (the directory is then unknown, and no other
// file may be used in its place).
bool DefaultFile(const char* fileName, std::string& file, std::ostream& err);

// Reads the Tips of the data directory's Tips file into `tips`. Returns an exit status:
// a missing file is an I/O error unless `missingIsEmpty` (a file about to be created).
// Texts as they are stored (scrambled; DecodeStoredText decodes one) are for a command
// that shows one Tip of many and need not pay for decoding the rest.
enum class TextsRead { Decoded, Stored };
int ReadDataTips(TipList& tips, bool missingIsEmpty, std::ostream& err,
                 TextsRead texts = TextsRead::Decoded);

// Everything a command that adds Tips needs: the data directory locked against a
// recorder (so a running one never saves its own Tips over ours), and the version of
// the Tips file checked, so the save replaces exactly that file. The save copies the
// file's Tips as they are stored and adds the new ones after them.
class TipsWriteSession {
  public:
    TipsWriteSession();
    ~TipsWriteSession();
    TipsWriteSession(const TipsWriteSession&) = delete;
    TipsWriteSession& operator=(const TipsWriteSession&) = delete;

    // Takes the locks and checks the Tips file; an exit status, kExitOk when ready.
    int begin(std::ostream& err);
    // The Tips to add.
    TipList& added() { return m_added; }
    // Writes the file's Tips and the added ones through the atomic writer; an exit status.
    int save(std::ostream& err);
    // How many Tips the saved file holds.
    std::size_t count() const { return m_count; }

  private:
    std::string m_file;
    TipList m_added;
    std::optional<FileIdentity> m_readVersion;
    std::size_t m_count = 0;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<DataDirectoryLock> m_directoryLock;
};
