#include "common/Scramble.h"

#include "common/ByteBlock.h"
#include "common/MsRandom.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

namespace {

// One step of the generator as a map state -> a * state + c, so that k steps can be
// taken at once: four draws computed side by side instead of each waiting on the last.
struct Step {
    std::uint32_t a;
    std::uint32_t c;
    constexpr std::uint32_t operator()(std::uint32_t state) const { return a * state + c; }
    constexpr Step then(Step next) const { return {next.a * a, next.a * c + next.c}; }
};
constexpr Step kOne{214013u, 2531011u};
constexpr Step kFour = kOne.then(kOne).then(kOne).then(kOne);

// The shift of every draw, looked up rather than computed: the table is small enough
// to stay in cache, and a load is cheaper than the multiplication and division.
constexpr auto kShiftOfDraw = [] {
    std::array<unsigned char, MsRandom::kMax + 1> shifts{};
    for (int draw = 0; draw <= MsRandom::kMax; ++draw)
        shifts[static_cast<std::size_t>(draw)] = static_cast<unsigned char>(ShiftForDraw(draw));
    return shifts;
}();

// The shift a draw gives, from the state the draw leaves.
inline unsigned char ShiftOf(std::uint32_t state)
{
    return kShiftOfDraw[(state >> 16) & 0x7FFFu];
}

template <bool Add> inline void Apply(unsigned char& byte, unsigned char shift)
{
    byte = static_cast<unsigned char>(Add ? byte + shift : byte - shift);
}

// A seed byte is one of 256 values, and the shifts that follow depend on the seed alone,
// so the first shifts of every seed are drawn once and then added to each text sixteen
// bytes at a time. Nearly every text is shorter than the run; a longer one goes on
// drawing from where it ends.
constexpr std::size_t kKeyLength = 1024;

struct KeyStreams {
    std::array<std::array<unsigned char, kKeyLength>, 256> shifts;
    std::array<std::uint32_t, 256> stateAfter; // as kKeyLength draws leave the generator
};

// The generator state a seed byte read as a signed char starts from.
std::uint32_t SeedOfByte(std::size_t byte)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(byte)));
}

const KeyStreams& Keys()
{
    static const std::unique_ptr<const KeyStreams> keys = [] {
        auto made = std::make_unique<KeyStreams>();
        for (std::size_t byte = 0; byte < 256; ++byte) {
            std::uint32_t state = SeedOfByte(byte);
            for (unsigned char& shift : made->shifts[byte]) {
                state = kOne(state);
                shift = ShiftOf(state);
            }
            made->stateAfter[byte] = state;
        }
        return made;
    }();
    return *keys;
}

// The state `draws` steps after `state`, in as many steps as `draws` has bits.
std::uint32_t StepsAhead(std::uint32_t state, std::size_t draws)
{
    for (Step power = kOne; draws != 0; draws >>= 1, power = power.then(power))
        if (draws & 1)
            state = power(state);
    return state;
}

// Takes `draws` shifts from a generator seeded with `seed` and adds them to (or
// subtracts them from) the first `shifted` of `bytes`; the generator is left as that
// many draws leave it.
template <bool Add>
void ShiftBytes(char* bytes, std::size_t shifted, std::size_t draws, std::uint32_t seed,
                MsRandom& random)
{
    shifted = std::min(shifted, draws);
    auto* data = reinterpret_cast<unsigned char*>(bytes);
    std::uint32_t state = seed; // as `j` draws leave it
    std::size_t j = 0;
    const std::size_t byte = seed & 0xFFu;
    if (SeedOfByte(byte) == seed) {
        const KeyStreams& keys = Keys();
        const unsigned char* key = keys.shifts[byte].data();
        j = std::min(shifted, kKeyLength);
        std::size_t i = 0;
        for (; i + kByteBlock <= j; i += kByteBlock) {
            const ByteBlock bytes = LoadByteBlock(data + i);
            const ByteBlock shifts = LoadByteBlock(key + i);
            StoreByteBlock(data + i, Add ? bytes + shifts : bytes - shifts);
        }
        for (; i < j; ++i)
            Apply<Add>(data[i], key[i]);
        if (j == kKeyLength)
            state = keys.stateAfter[byte];
        else
            state = StepsAhead(state, j);
    }
    if (shifted >= j + 4) {
        std::uint32_t s0 = kOne(state), s1 = kOne(s0), s2 = kOne(s1), s3 = kOne(s2);
        for (; j + 4 <= shifted; j += 4) {
            Apply<Add>(data[j], ShiftOf(s0));
            Apply<Add>(data[j + 1], ShiftOf(s1));
            Apply<Add>(data[j + 2], ShiftOf(s2));
            Apply<Add>(data[j + 3], ShiftOf(s3));
            state = s3;
            s0 = kFour(s0), s1 = kFour(s1), s2 = kFour(s2), s3 = kFour(s3);
        }
    }
    for (; j < shifted; ++j) {
        state = kOne(state);
        Apply<Add>(data[j], ShiftOf(state));
    }
    random.seed(StepsAhead(state, draws - j));
}

} // namespace

void AppendScrambled(std::string& out, std::string_view plain, std::size_t shiftedBytes,
                     MsRandom& random)
{
    const int seed = DrawSeed(random);
    out.push_back(static_cast<char>(seed));
    const std::size_t start = out.size();
    out.append(plain);
    ShiftBytes<true>(out.data() + start, shiftedBytes, plain.size(),
                     static_cast<std::uint32_t>(seed), random);
}

std::string ScrambleBytes(std::string_view plain, std::size_t shiftedBytes, MsRandom& random)
{
    std::string stored;
    stored.reserve(plain.size() + 1);
    AppendScrambled(stored, plain, shiftedBytes, random);
    return stored;
}

void UnshiftInPlace(char* stored, std::size_t size, std::size_t shiftedBytes, MsRandom& random)
{
    if (size == 0)
        return;
    const auto seed = static_cast<std::int32_t>(static_cast<signed char>(stored[0]));
    ShiftBytes<false>(stored + 1, shiftedBytes, size - 1, static_cast<std::uint32_t>(seed), random);
}

void UnscrambleInPlace(std::string& stored, std::size_t shiftedBytes, MsRandom& random)
{
    if (stored.empty())
        return;
    UnshiftInPlace(stored.data(), stored.size(), shiftedBytes, random);
    stored.erase(0, 1);
}

std::string UnscrambleBytes(std::string_view stored, std::size_t shiftedBytes, MsRandom& random)
{
    std::string plain(stored);
    UnscrambleInPlace(plain, shiftedBytes, random);
    return plain;
}

std::string ScrambleText(const std::string& text, MsRandom& random)
{
    return ScrambleBytes(text, std::max<std::size_t>(text.size(), 1) - 1, random);
}

std::string UnscrambleText(const std::string& line, MsRandom& random)
{
    return UnscrambleBytes(line, std::max<std::size_t>(line.size(), 2) - 2, random);
}
