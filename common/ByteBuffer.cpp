#include "common/ByteBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

void ByteBuffer::Free::operator()(char* bytes) const
{
    std::free(bytes);
}

ByteBuffer::ByteBuffer(const ByteBuffer& other)
{
    append(other);
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : m_bytes(std::move(other.m_bytes)), m_size(std::exchange(other.m_size, 0)),
      m_capacity(std::exchange(other.m_capacity, 0))
{
}

ByteBuffer& ByteBuffer::operator=(const ByteBuffer& other)
{
    if (this != &other) {
        ByteBuffer copy(other);
        swap(copy);
    }
    return *this;
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept
{
    ByteBuffer taken(std::move(other));
    swap(taken);
    return *this;
}

void ByteBuffer::reserve(std::size_t capacity)
{
    if (capacity <= m_capacity)
        return;
    // realloc leaves the new room as the system hands it out: not yet faulted in.
    void* moved = std::realloc(m_bytes.get(), capacity);
    if (moved == nullptr)
        throw std::bad_alloc();
    static_cast<void>(m_bytes.release());
    m_bytes.reset(static_cast<char*>(moved));
    m_capacity = capacity;
}

void ByteBuffer::append(std::string_view more)
{
    if (more.empty())
        return;
    if (more.size() > m_capacity - m_size)
        reserve(std::max(m_size + more.size(), 2 * m_capacity));
    std::memcpy(m_bytes.get() + m_size, more.data(), more.size());
    m_size += more.size();
}

void ByteBuffer::swap(ByteBuffer& other) noexcept
{
    std::swap(m_bytes, other.m_bytes);
    std::swap(m_size, other.m_size);
    std::swap(m_capacity, other.m_capacity);
}
