#pragma once

#include <cstddef>
#include <cstring>

// Sixteen bytes handled as one: GCC and Clang make the operations on it the machine's
// vector instructions (SSE2, NEON), or plain code where it has none, at every level of
// optimisation, where loops over single bytes are vectorised only at the highest.
using ByteBlock = unsigned char __attribute__((vector_size(16)));
inline constexpr std::size_t kByteBlock = sizeof(ByteBlock);

inline ByteBlock LoadByteBlock(const void* at)
{
    ByteBlock block;
    std::memcpy(&block, at, kByteBlock);
    return block;
}

inline void StoreByteBlock(void* at, ByteBlock block)
{
    std::memcpy(at, &block, kByteBlock);
}

// True when any byte of the block is not zero.
inline bool AnyByteSet(ByteBlock block)
{
    unsigned long long halves[2];
    std::memcpy(halves, &block, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}
