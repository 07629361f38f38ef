#include "common/CharacterFolds.h"

#include <array>
#include <memory>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/stringoptions.h>
#include <unicode/utf8.h>

namespace {

// One character's fold in UTF-8; a length of 0 means "ask ICU" (a fold too long to
// keep, or ICU failed when the table was made).
struct Fold {
    unsigned char length = 0;
    std::array<char, 15> bytes{};
};

void AppendFoldByIcu(std::string_view character, std::string& folded)
{
    icu::StringByteSink<std::string> sink(&folded);
    UErrorCode error = U_ZERO_ERROR;
    const std::size_t before = folded.size();
    icu::CaseMap::utf8Fold(
        U_FOLD_CASE_DEFAULT,
        icu::StringPiece(character.data(), static_cast<int32_t>(character.size())), sink, nullptr,
        error);
    if (U_FAILURE(error)) {
        folded.resize(before);
        folded.append(character);
    }
}

const std::array<Fold, 0x10000>& BasicFolds()
{
    static const std::unique_ptr<const std::array<Fold, 0x10000>> table = [] {
        auto folds = std::make_unique<std::array<Fold, 0x10000>>();
        std::string character;
        std::string folded;
        for (UChar32 code = 0; code < 0x10000; ++code) {
            if (U_IS_SURROGATE(code))
                continue;
            char bytes[U8_MAX_LENGTH];
            int32_t length = 0;
            U8_APPEND_UNSAFE(bytes, length, code);
            folded.clear();
            AppendFoldByIcu(std::string_view(bytes, static_cast<std::size_t>(length)), folded);
            Fold& fold = (*folds)[static_cast<std::size_t>(code)];
            if (folded.size() <= fold.bytes.size()) {
                fold.length = static_cast<unsigned char>(folded.size());
                folded.copy(fold.bytes.data(), folded.size());
            }
        }
        return folds;
    }();
    return *table;
}

} // namespace

void AppendCaseFolded(std::string_view text, std::string& folded)
{
    const std::array<Fold, 0x10000>& basic = BasicFolds();
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto size = static_cast<int32_t>(text.size());
    for (int32_t at = 0; at < size;) {
        const int32_t start = at;
        UChar32 code = 0;
        U8_NEXT_UNSAFE(bytes, at, code);
        const Fold& fold = code < 0x10000 ? basic[static_cast<std::size_t>(code)] : Fold{};
        if (fold.length != 0)
            folded.append(fold.bytes.data(), fold.length);
        else
            AppendFoldByIcu(
                text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)),
                folded);
    }
}
