#pragma once

#include <string>

// Keeps a second recorder or tool from writing the Tips of the same data directory,
// whatever runtime directory or program name it was started with. The lock is a
// `flock` on a lock file in the directory that only its owner may open, so no other
// user can take it; the system drops it when the holder ends, even by a crash. A lock
// file another user planted is never trusted: it is replaced where the directory allows,
// and where the directory cannot hold a lock file of ours (read-only, or someone
// else's), the lock moves to the user's private state directory, named after the data
// directory's device and inode, so it still keeps the user's own copies apart.
class DataDirectoryLock {
  public:
    enum class State {
        Held,        // this process is the one writer
        HeldByOther, // another process writes this directory's files
        Unavailable, // no lock can be taken here (missing directory, file system without locks)
    };

    explicit DataDirectoryLock(const std::string& directory);
    ~DataDirectoryLock();
    DataDirectoryLock(const DataDirectoryLock&) = delete;
    DataDirectoryLock& operator=(const DataDirectoryLock&) = delete;

    State state() const { return m_state; }
    // With HeldByOther: who holds it, as "<program>, process <pid>" (empty when the
    // holder has not said).
    const std::string& holder() const { return m_holder; }
    // The lock file used, for tests and messages.
    const std::string& lockPath() const { return m_path; }

    static constexpr const char* kFileName = ".pennivel.lock";

  private:
    bool lockFile(const std::string& path);

    int m_fd = -1;
    State m_state = State::Unavailable;
    std::string m_holder;
    std::string m_path;
};
