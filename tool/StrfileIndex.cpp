#include "tool/StrfileIndex.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <sys/stat.h>

namespace {

constexpr std::size_t kHeaderSize = 24;

std::uint32_t BigEndian(const std::array<unsigned char, kHeaderSize>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

} // namespace

bool IsStrfileIndex(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) < kHeaderSize)
        return false;
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, kHeaderSize> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), kHeaderSize))
        return false;
    const std::uint32_t version = BigEndian(header, 0);
    const std::uint64_t sayings = BigEndian(header, 4);
    return (version == 1 || version == 2) && header[21] == 0 && header[22] == 0 &&
           header[23] == 0 &&
           static_cast<std::uint64_t>(info.st_size) == kHeaderSize + (sayings + 1) * 4;
}
