#include "recorder/data/TipCollection.h"

#include <stdexcept>
#include <string>

std::size_t TipCollection::index(int number) const
{
    if (!contains(number))
        throw std::out_of_range("Tip " + std::to_string(number) + " of " + std::to_string(count()));
    return static_cast<std::size_t>(number - 1);
}

TipParts TipCollection::parts(int number) const
{
    return m_tips[index(number)];
}

void TipCollection::replace(int number, TipParts tip)
{
    m_tips.replace(index(number), tip);
}

void TipCollection::remove(int number)
{
    m_tips.erase(index(number));
}
