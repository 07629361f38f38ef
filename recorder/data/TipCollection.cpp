#include "recorder/data/TipCollection.h"

#include "recorder/data/StoredTextsDecoding.h"

#include <stdexcept>
#include <string>

TipCollection::TipCollection() = default;
TipCollection::TipCollection(TipList tips) : m_tips(std::move(tips)) {}
TipCollection::~TipCollection() = default;

TipCollection::TipCollection(const TipCollection& other) : m_tips(other.list()) {}

TipCollection::TipCollection(TipCollection&& other) noexcept
{
    takeFrom(other);
}

TipCollection& TipCollection::operator=(const TipCollection& other)
{
    if (this != &other) {
        m_decoding.reset();
        m_tips = other.list();
    }
    return *this;
}

TipCollection& TipCollection::operator=(TipCollection&& other) noexcept
{
    if (this != &other) {
        m_decoding.reset();
        takeFrom(other);
    }
    return *this;
}

// A decoding not yet started comes along with the Tips (made anew over this list, since
// it holds the one it decodes), so a collection read at start-up and moved into place
// still decodes one Tip before the first paint instead of all of them; one under way is
// waited for.
void TipCollection::takeFrom(TipCollection& other)
{
    const bool pending = other.m_decoding && !other.m_decoding->started();
    if (pending)
        other.m_decoding.reset();
    else
        other.finishDecoding();
    m_tips = std::move(other.m_tips);
    if (pending)
        m_decoding = std::make_unique<StoredTextsDecoding>(m_tips);
}

TipCollection TipCollection::withStoredTexts(TipList stored)
{
    TipCollection collection(std::move(stored));
    collection.m_decoding = std::make_unique<StoredTextsDecoding>(collection.m_tips);
    return collection;
}

Tip TipCollection::decodeFirst(int number)
{
    const std::size_t at = index(number);
    if (m_decoding && !m_decoding->started())
        return m_decoding->decodeFirstThenRest(at);
    return parts(number).toTip();
}

void TipCollection::finishDecoding() const
{
    if (!m_decoding)
        return;
    m_decoding->finish();
    m_decoding.reset();
}

std::size_t TipCollection::index(int number) const
{
    if (!contains(number))
        throw std::out_of_range("Tip " + std::to_string(number) + " of " + std::to_string(count()));
    return static_cast<std::size_t>(number - 1);
}

const TipList& TipCollection::list() const
{
    finishDecoding();
    return m_tips;
}

TipParts TipCollection::parts(int number) const
{
    return list()[index(number)];
}

void TipCollection::append(TipParts tip)
{
    finishDecoding();
    m_tips.push_back(tip);
}

void TipCollection::replace(int number, TipParts tip)
{
    finishDecoding();
    m_tips.replace(index(number), tip);
}

void TipCollection::remove(int number)
{
    finishDecoding();
    m_tips.erase(index(number));
}

void TipCollection::removeAll()
{
    finishDecoding();
    m_tips.clear();
}
