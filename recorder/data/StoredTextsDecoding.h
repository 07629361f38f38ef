#pragma once

#include "common/TipList.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <thread>

// Decodes the stored texts of a list of Tips where they lie: one at once when asked, the
// others on a thread of its own. The list must not be touched by anyone else until
// finish() has returned; destroying an unfinished decoding stops it early, leaving the
// list part decoded.
class StoredTextsDecoding {
  public:
    explicit StoredTextsDecoding(TipList& tips) : m_tips(tips) {}
    ~StoredTextsDecoding();
    StoredTextsDecoding(const StoredTextsDecoding&) = delete;
    StoredTextsDecoding& operator=(const StoredTextsDecoding&) = delete;

    // Decodes Tip `index` now, copies it out and starts the thread for the others; once
    // at most, before finish().
    Tip decodeFirstThenRest(std::size_t index);
    bool started() const { return m_first.has_value(); }
    // Returns once every text is decoded.
    void finish();

  private:
    void decodeAllBut(std::optional<std::size_t> done);

    TipList& m_tips;
    std::optional<std::size_t> m_first;
    std::thread m_rest;
    std::atomic<bool> m_stop = false;
};
