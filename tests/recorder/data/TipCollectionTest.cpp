#include "recorder/data/TipCollection.h"

#include "common/MsRandom.h"
#include "common/Scramble.h"
#include "tests/support/TipPrinting.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
Tip Make(const std::string& name)
{
    return {name + "-date\n", name + "-cat\n", name + "\n"};
}
} // namespace

TEST(TipCollection, NumbersFollowPositions)
{
    TipCollection tips({Make("a"), Make("b"), Make("c")});
    ASSERT_EQ(tips.count(), 3);
    tips.remove(2);
    ASSERT_EQ(tips.count(), 2);
    EXPECT_EQ(tips.get(2), Make("c"));
    EXPECT_THROW(tips.get(3), std::out_of_range);
    EXPECT_THROW(tips.get(0), std::out_of_range);

    tips.replace(1, Make("z"));
    EXPECT_EQ(tips.get(1), Make("z"));

    tips.removeAll();
    EXPECT_TRUE(tips.isEmpty());
    tips.append(Make("new"));
    EXPECT_EQ(tips.count(), 1);
    EXPECT_EQ(tips.get(1), Make("new"));
    EXPECT_THROW(tips.remove(2), std::out_of_range);
}

namespace {

// Tips as the file stores them: every text scrambled with a seed of its own.
TipList Stored(int count)
{
    TipList stored;
    MsRandom random;
    for (int n = 1; n <= count; ++n) {
        const Tip tip = Make(std::to_string(n));
        stored.push_back({tip.date, tip.category, ScrambleText(tip.text, random)});
    }
    return stored;
}

struct StoredUse {
    const char* name;
    std::function<TipCollection(TipCollection&)> use; // hands back the collection to check
};

class StoredTexts : public ::testing::TestWithParam<StoredUse> {};

} // namespace

// Whatever a caller does first with Tips read still scrambled, decoded ones are all it
// sees, the Tip decoded first included.
TEST_P(StoredTexts, EveryUseSeesThemDecoded)
{
    constexpr int kCount = 10'000; // more than one stretch between checks of the thread
    TipCollection stored = TipCollection::withStoredTexts(Stored(kCount));
    ASSERT_EQ(stored.count(), kCount);
    const TipCollection used = GetParam().use(stored);
    ASSERT_EQ(used.count(), kCount);
    for (int n = 1; n <= kCount; ++n)
        ASSERT_EQ(used.get(n), Make(std::to_string(n))) << "Tip " << n;
}

INSTANTIATE_TEST_SUITE_P(
    Uses, StoredTexts,
    ::testing::Values(StoredUse{"DecodeFirstThenRead",
                                [](TipCollection& tips) {
                                    EXPECT_EQ(tips.decodeFirst(77), Make("77"));
                                    EXPECT_EQ(tips.decodeFirst(78), Make("78"));
                                    return tips;
                                }},
                      StoredUse{"ReadWithoutDecodingFirst",
                                [](TipCollection& tips) { return tips; }},
                      StoredUse{"MovedWhileDecoding",
                                [](TipCollection& tips) {
                                    tips.decodeFirst(1);
                                    return TipCollection(std::move(tips));
                                }},
                      StoredUse{"MovedBeforeDecodingThenDecodeFirst",
                                [](TipCollection& tips) {
                                    TipCollection moved(std::move(tips));
                                    EXPECT_EQ(moved.decodeFirst(9'999), Make("9999"));
                                    return moved;
                                }},
                      StoredUse{"MoveAssignedBeforeDecodingThenRead",
                                [](TipCollection& tips) {
                                    TipCollection assigned(TipList{Make("old")});
                                    assigned = std::move(tips);
                                    return assigned;
                                }},
                      StoredUse{"ChangedWhileDecoding",
                                [](TipCollection& tips) {
                                    tips.decodeFirst(5000);
                                    tips.replace(3, Make("3"));
                                    return tips;
                                }}),
    [](const ::testing::TestParamInfo<StoredUse>& info) { return info.param.name; });

TEST(StoredTexts, DestroyedWhileDecodingStopsTheThread)
{
    TipCollection tips = TipCollection::withStoredTexts(Stored(50'000));
    EXPECT_EQ(tips.decodeFirst(50'000), Make("50000"));
}
