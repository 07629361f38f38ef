#pragma once

#include <string>

// Keeps a second recorder from writing the Tips of the same data directory, whatever
// runtime directory, user or program name it was started with. The lock is on the
// directory itself: it needs no right to write there, follows the directory under any
// path that leads to it, and the system drops it when the holder ends, even by a crash.
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

  private:
    int m_fd = -1;
    State m_state = State::Unavailable;
};
