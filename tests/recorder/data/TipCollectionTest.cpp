#include "recorder/data/TipCollection.h"
#include "tests/support/TipPrinting.h"

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
