#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

// Faults in the pages of a buffer being filled a little ahead of the writer, on a thread
// of its own. A fresh page costs the writer a fault the first time it is written, and
// on a virtual machine a file of a hundred megabytes spends a third of its reading time
// in them; faulted in beside the reading they cost it nothing. It stays at most a few
// megabytes ahead, so a buffer reserved larger than it gets filled takes no more memory
// than before. Where the system cannot fault pages in ahead, the writer faults them in
// itself as before.
class PagesFaultedAhead {
  public:
    PagesFaultedAhead(char* buffer, std::size_t size);
    ~PagesFaultedAhead();
    PagesFaultedAhead(const PagesFaultedAhead&) = delete;
    PagesFaultedAhead& operator=(const PagesFaultedAhead&) = delete;

    // The writer has filled the buffer up to `offset`, and will never fill it past
    // `most`: no page beyond that is faulted in.
    void reached(std::size_t offset, std::size_t most);

  private:
    void faultIn();

    char* m_buffer;
    std::size_t m_size;
    std::mutex m_mutex;
    std::condition_variable m_moved;
    std::size_t m_reached = 0;
    std::size_t m_most = static_cast<std::size_t>(-1);
    bool m_done = false;
    std::thread m_thread;
};
