#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

// A growable run of bytes like std::string, except that room reserved is left untouched
// until it is written: a file read straight into it faults its pages in once, as the
// read fills them, instead of once to clear them and again to fill them.
class ByteBuffer {
  public:
    ByteBuffer() = default;
    ByteBuffer(const ByteBuffer& other);
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(const ByteBuffer& other);
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ~ByteBuffer() = default;

    char* data() { return m_bytes.get(); }
    const char* data() const { return m_bytes.get(); }
    std::size_t size() const { return m_size; }
    std::size_t capacity() const { return m_capacity; }
    operator std::string_view() const { return {m_bytes.get(), m_size}; }

    // Throws std::bad_alloc when the memory cannot be had.
    void reserve(std::size_t capacity);
    void append(std::string_view more);
    // The reserved room after the bytes, to be written and then taken in by `grow`.
    std::span<char> spare() { return {m_bytes.get() + m_size, m_capacity - m_size}; }
    void grow(std::size_t written) { m_size += written; }
    void clear() { m_size = 0; }
    void swap(ByteBuffer& other) noexcept;

  private:
    struct Free {
        void operator()(char* bytes) const;
    };
    std::unique_ptr<char, Free> m_bytes;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};
