#include "common/TipSearch.h"

#include <gtest/gtest.h>

namespace {

std::vector<Tip> WithParts(SearchField field, const std::vector<std::string>& parts)
{
    std::vector<Tip> tips;
    for (const std::string& part : parts) {
        Tip tip{"01/01/20\n", "General\n", "text\n"};
        (field == SearchField::Date       ? tip.date
         : field == SearchField::Category ? tip.category
                                          : tip.text) = part + "\n";
        tips.push_back(tip);
    }
    return tips;
}

std::vector<int> Hits(const std::vector<Tip>& tips, const SearchResult& result)
{
    std::vector<int> hits;
    for (std::size_t i = 0; i < tips.size(); ++i) {
        const std::string entry = "\nTip #" + std::to_string(i + 1) + "\n";
        if (result.resultText.find(entry) != std::string::npos)
            hits.push_back(static_cast<int>(i) + 1);
    }
    return hits;
}

struct WordCase {
    const char* name;
    SearchField field;
    std::vector<std::string> parts;
    std::string typed;
    bool orMode;
    std::vector<int> hits;
};

class WordSearch : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordSearch, FindsTheTipsWhosePartHoldsTheWords)
{
    const WordCase& c = GetParam();
    const std::vector<Tip> tips = WithParts(c.field, c.parts);
    const SearchResult result = SearchByWords(tips, c.field, SearchTerms(c.typed), c.orMode);
    EXPECT_EQ(Hits(tips, result), c.hits);
    EXPECT_EQ(result.foundCount, static_cast<int>(c.hits.size()));
    EXPECT_EQ(result.lastFound, c.hits.size() == 1 ? c.hits.front() : 0);
}

const std::vector<std::string> kCategories{"General", "general", "Generalities", "Work"};

INSTANTIATE_TEST_SUITE_P(
    Rows, WordSearch,
    ::testing::Values(
        WordCase{
            "TypedGenFindsEveryCase", SearchField::Category, kCategories, "gen", true, {1, 2, 3}},
        WordCase{"AndNeedsEveryWord", SearchField::Category, kCategories, "gen xyz", false, {}},
        WordCase{"OrNeedsOneWord", SearchField::Category, kCategories, "xyz  WORK", true, {4}},
        WordCase{"AndOfTwoPresentWords",
                 SearchField::Text,
                 {"a cat and a dog", "a cat"},
                 "DOG cat",
                 false,
                 {1}},
        WordCase{"SpacesAloneMakeNoWord", SearchField::Text, {"x"}, "   ", true, {}},
        WordCase{
            "TabBelongsToTheWord", SearchField::Text, {"one\ttwo", "one two"}, "e\tt", true, {1}},
        WordCase{
            "LineEndIsPartOfTheField", SearchField::Text, {"ends", "end here"}, "s\n", true, {1}},
        WordCase{"DigitsInsideDates",
                 SearchField::Date,
                 {"02/20/09", "09/01/21", "1/2/3"},
                 "09",
                 true,
                 {1, 2}},
        WordCase{"AccentedLettersFoldBothWays",
                 SearchField::Text,
                 {"CAFÉ noir", "café", "cafe"},
                 "Café",
                 true,
                 {1, 2}},
        WordCase{
            "GreekAndCyrillicFold", SearchField::Text, {"ΣΟΦΙΑ", "ЖИЗНЬ"}, "σοφ жиз", true, {1, 2}},
        WordCase{"BrokenBytesCompareAsTheyAre",
                 SearchField::Text,
                 {"A\xC3 B\xFFZ", "a\xC3", "\xE9t\xE9"},
                 "a\xC3 \xFFz",
                 true,
                 {1, 2}},
        WordCase{"BrokenByteIsNoLetter", SearchField::Text, {"\xE9t\xE9"}, "\xC9", true, {}},
        // Full Unicode folds of canonically equivalent text: a row per kind of fold.
        WordCase{"DecomposedAccentMatchesComposed",
                 SearchField::Text,
                 {"un cafe\u0301 noir", "cafe", "caf\xC3\xA9"},
                 "CAFÉ",
                 true,
                 {1, 3}},
        WordCase{"ComposedTypedFindsDecomposedUpperCase",
                 SearchField::Text,
                 {"CAFE\u0301", "CAFE"},
                 "café",
                 true,
                 {1}},
        WordCase{
            "PlainLetterIsNoAccentedOne", SearchField::Text, {"cafe\u0301"}, "cafe ", true, {}},
        WordCase{"FinalSigmaFoldsToSigma",
                 SearchField::Text,
                 {"σοφός", "ΣΟΦΟΣ", "σοφία"},
                 "ΣΟΦΌΣ",
                 true,
                 {1}},
        WordCase{"SharpSFoldsToDoubleS",
                 SearchField::Text,
                 {"Straße", "STRASSE", "Strase", "Strasse"},
                 "STRASSE",
                 true,
                 {1, 2, 4}},
        WordCase{"CapitalSharpSFoldsToo", SearchField::Text, {"strasse"}, "STRAẞE", true, {1}},
        WordCase{"LigatureFoldsToItsLetters",
                 SearchField::Text,
                 {"\uFB01nal", "FINAL", "fnal"},
                 "final",
                 true,
                 {1, 2}},
        WordCase{
            "KelvinSignFindsPlainK", SearchField::Text, {"kilo", "Milo"}, "\u212Ailo", true, {1}},
        WordCase{"AccentOrderDoesNotMatter",
                 SearchField::Text,
                 {"q\u0323\u0307", "q\u0307"},
                 "Q\u0307\u0323",
                 true,
                 {1}},
        WordCase{"BrokenByteBesideDecomposedText",
                 SearchField::Text,
                 {"\xFF"
                  "CAFE\u0301\xFF"},
                 "\xFF"
                 "café\xFF",
                 true,
                 {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TipSearch, WordsAreFoundAtEveryPlaceOfTextsOfEveryLength)
{
    // The word at each place of texts shorter and longer than the blocks compared at once,
    // in either case, against texts that hold only its first and last letters.
    for (const std::string word : {"z", "zq", "zephyr", "zaaaaaaaaaaaaaaaaaaq"})
        for (std::size_t length = word.size(); length <= 70; ++length)
            for (std::size_t at = 0; at + word.size() <= length; ++at) {
                std::string text(length, 'a');
                text.replace(at, word.size(), at % 2 == 0 ? word : "Z" + word.substr(1));
                std::string near = text;
                if (word.size() > 2)
                    near[at + word.size() / 2] = 'b';
                const TipList tips{{"01/01/20\n", "General\n", text},
                                   {"01/01/20\n", "General\n", near}};
                const std::vector<std::size_t> found =
                    PositionsByWords(tips, SearchField::Text, {word}, true);
                const std::vector<std::size_t> expected =
                    word.size() > 2 ? std::vector<std::size_t>{0} : std::vector<std::size_t>{0, 1};
                ASSERT_EQ(found, expected) << word << " at " << at << " of " << length;
            }
    // A capital beyond ASCII at any place is folded too, so the text is seen as not ASCII.
    for (std::size_t length = 0; length <= 140; ++length)
        for (std::size_t at = 0; at <= length; ++at) {
            std::string text(length, 'a');
            text.insert(at, "\u00C9");
            const TipList tips{{"01/01/20\n", "General\n", text}};
            ASSERT_EQ(PositionsByWords(tips, SearchField::Text, {"\u00E9"}, true).size(), 1u)
                << "at " << at << " of " << length;
        }
}

TEST(TipSearch, ResultListsEachHitWithDateAndTextInTipOrder)
{
    const std::vector<Tip> tips{
        {"d1\n", "c\n", "no\n"}, {"d2\n", "c\n", "one hit\n"}, {"d3\n", "c\n", "Hit two\n"}};
    const SearchResult two = SearchByWords(tips, SearchField::Text, {"hit"}, true);
    EXPECT_EQ(two.resultText, "\nTip #2\nd2\none hit\n\nTip #3\nd3\nHit two\n");
    EXPECT_EQ(two.foundCount, 2);
    EXPECT_EQ(two.lastFound, 0);

    const SearchResult one = SearchByWords(tips, SearchField::Text, {"TWO"}, true);
    EXPECT_EQ(one.lastFound, 3);
    EXPECT_EQ(SearchByWords(tips, SearchField::Text, {"zzz"}, true).resultText, "");
}

} // namespace
