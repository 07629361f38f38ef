#include "common/CaseFolding.h"

#include "common/ByteBlock.h"
#include "common/CharacterFolds.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>

namespace {

bool Continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed character at `at` (shortest form, no surrogates, at
// most U+10FFFF); 0 when the byte starts none.
std::size_t CharacterLength(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[at + k]); };
    const unsigned char lead = byte(0);
    const std::size_t left = bytes.size() - at;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && Continuation(byte(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !Continuation(byte(1)) || !Continuation(byte(2)))
            return 0;
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) >= 0xA0;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !Continuation(byte(1)) || !Continuation(byte(2)) || !Continuation(byte(3)))
            return 0;
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool tooHigh = lead == 0xF4 && byte(1) >= 0x90;
        return overlong || tooHigh ? 0 : 4;
    }
    return 0;
}

const icu::Normalizer2* Normalizer(bool composed)
{
    static const icu::Normalizer2* const nfd = [] {
        UErrorCode error = U_ZERO_ERROR;
        const icu::Normalizer2* normalizer = icu::Normalizer2::getNFDInstance(error);
        return U_SUCCESS(error) ? normalizer : nullptr;
    }();
    static const icu::Normalizer2* const nfc = [] {
        UErrorCode error = U_ZERO_ERROR;
        const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(error);
        return U_SUCCESS(error) ? normalizer : nullptr;
    }();
    return composed ? nfc : nfd;
}

// Appends the canonical caseless form of well-formed text: decomposed, fully case
// folded (ß to ss, final sigma to sigma, ligatures to their letters), then composed,
// so text typed precomposed and text stored decomposed fold alike. Should ICU fail,
// the text is kept with ASCII letters folded.
void FoldWellFormed(std::string_view text, std::string& folded)
{
    thread_local std::string decomposed;
    thread_local std::string caseless;
    decomposed.clear();
    caseless.clear();
    const std::size_t before = folded.size();
    const icu::StringPiece piece(text.data(), static_cast<int32_t>(text.size()));
    icu::StringByteSink<std::string> toDecomposed(&decomposed);
    icu::StringByteSink<std::string> toFolded(&folded);
    UErrorCode error = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = Normalizer(false);
    const icu::Normalizer2* nfc = Normalizer(true);
    if (nfd != nullptr && nfc != nullptr) {
        nfd->normalizeUTF8(0, piece, toDecomposed, nullptr, error);
        if (U_SUCCESS(error))
            AppendCaseFolded(decomposed, caseless);
        nfc->normalizeUTF8(0, caseless, toFolded, nullptr, error);
    }
    if (nfd == nullptr || nfc == nullptr || U_FAILURE(error)) {
        folded.resize(before);
        for (const char byte : text)
            folded.push_back(static_cast<char>(FoldAsciiByte(static_cast<unsigned char>(byte))));
    }
}

} // namespace

void FoldCaseInto(std::string_view bytes, std::string& folded)
{
    folded.clear();
    if (IsAscii(bytes)) {
        folded.resize(bytes.size());
        for (std::size_t at = 0; at < bytes.size(); ++at)
            folded[at] = static_cast<char>(FoldAsciiByte(static_cast<unsigned char>(bytes[at])));
        return;
    }
    // Runs of well-formed text are folded whole, so a letter and the accents after it
    // fold together; each byte between them stays as it is. A run never exceeds what
    // ICU takes in one piece.
    constexpr std::size_t kLongestRun = std::numeric_limits<int32_t>::max() / 4;
    std::size_t runStart = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = CharacterLength(bytes, at);
        if (length != 0 && at - runStart < kLongestRun) {
            at += length;
            continue;
        }
        if (at > runStart)
            FoldWellFormed(bytes.substr(runStart, at - runStart), folded);
        if (length == 0)
            folded.push_back(bytes[at++]);
        runStart = at;
    }
    if (at > runStart)
        FoldWellFormed(bytes.substr(runStart, at - runStart), folded);
}

std::string FoldCase(std::string_view bytes)
{
    std::string folded;
    FoldCaseInto(bytes, folded);
    return folded;
}

bool IsAscii(std::string_view bytes)
{
    // Blocks are joined a few at a time before the high bits are looked at.
    constexpr std::size_t kJoined = 4 * kByteBlock;
    std::size_t at = 0;
    for (; at + kJoined <= bytes.size(); at += kJoined) {
        const char* from = bytes.data() + at;
        const ByteBlock joined = LoadByteBlock(from) | LoadByteBlock(from + kByteBlock) |
                                 LoadByteBlock(from + 2 * kByteBlock) |
                                 LoadByteBlock(from + 3 * kByteBlock);
        if (AnyByteSet(joined & 0x80))
            return false;
    }
    for (; at + kByteBlock <= bytes.size(); at += kByteBlock)
        if (AnyByteSet(LoadByteBlock(bytes.data() + at) & 0x80))
            return false;
    for (; at < bytes.size(); ++at) {
        if (static_cast<unsigned char>(bytes[at]) >= 0x80)
            return false;
    }
    return true;
}
