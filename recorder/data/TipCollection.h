#pragma once

#include "common/Tip.h"
#include "common/TipList.h"

#include <memory>
#include <vector>

class StoredTextsDecoding;

// Every Tip of the user while the recorder runs, numbered 1..count() by position.
// Removing a Tip renumbers the ones after it; there are no stable identifiers. The
// collection never checks the "\n" endings: callers hand in parts that carry them.
// Tips read with their texts still scrambled are decoded one first, the rest on a
// thread of their own; every accessor but count() waits until all are decoded, so no
// caller ever sees a scrambled text.
class TipCollection {
  public:
    TipCollection();
    explicit TipCollection(TipList tips);
    ~TipCollection();
    TipCollection(const TipCollection& other);
    TipCollection(TipCollection&& other) noexcept;
    TipCollection& operator=(const TipCollection& other);
    TipCollection& operator=(TipCollection&& other) noexcept;

    // Tips as the Tips file stores them (ReadStoredTips): texts still scrambled.
    static TipCollection withStoredTexts(TipList stored);
    // Tip `number`, decoded at once; decoding the other texts starts now, beside the
    // caller's work. For a first Tip to show before a large collection is all decoded.
    Tip decodeFirst(int number);

    int count() const { return static_cast<int>(m_tips.size()); }
    bool isEmpty() const { return m_tips.empty(); }
    bool contains(int number) const { return number >= 1 && number <= count(); }

    // Throws std::out_of_range outside 1..count(): reading a Tip that is not there
    // is a programming error, never something to paper over.
    Tip get(int number) const { return parts(number).toTip(); }
    // The same without a copy; valid until the collection changes.
    TipParts parts(int number) const;

    void append(TipParts tip);
    void replace(int number, TipParts tip);
    void remove(int number);
    void removeAll();

    // In file order, Tip 1 first: what the Tips file reader gives and the writer takes.
    const TipList& list() const;
    // The same as separate Tips, copied.
    std::vector<Tip> tips() const { return list().toTips(); }

  private:
    std::size_t index(int number) const;
    void takeFrom(TipCollection& other);
    // Waits for the texts still being decoded, or decodes them now.
    void finishDecoding() const;

    TipList m_tips;
    // None once every text is decoded; waiting for it changes nothing a caller sees.
    mutable std::unique_ptr<StoredTextsDecoding> m_decoding;
};
