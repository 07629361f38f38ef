#include "recorder/data/TipCollection.h"
#include "recorder/view/ListingBlocks.h"
#include "recorder/view/ShowAllListing.h"
#include "tests/recorder/view/ViewRig.h"

#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Puts `count` Tips "Tip text n" (with `extra` lines below each) in place of the defaults.
void ReplaceTips(ViewRig& rig, int count, const std::string& extra = {})
{
    TipCollection& tips = rig.doc().app().m_Tips;
    tips.removeAll();
    for (int n = 1; n <= count; ++n)
        tips.append({"01/02/26\n", "cat\n", "Tip text " + std::to_string(n) + "\n" + extra});
}

std::string ManyLines(int count)
{
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "line " + std::to_string(n) + "\n";
    return text;
}

struct ListingCase {
    const char* name;
    std::function<void(ViewRig&)> show;
    QString lastAtEnd; // the bottom line after End
    bool scrolls;
    bool pastAnInt = false; // the text is taller than an int counts
};

void PrintTo(const ListingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ListingShown : public ::testing::TestWithParam<ListingCase> {};

TEST_P(ListingShown, FromTheFirstLineToTheLastWithEndAndHome)
{
    const ListingCase& c = GetParam();
    ViewRig rig;
    c.show(rig);
    rig.grab();
    CBrevantView& view = *rig.view;
    QScrollBar* bar = view.verticalScrollBar();
    EXPECT_EQ(view.shownLines().first, "") << "the window's first line stays empty";
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->maximum() > 0, c.scrolls);

    QTest::keyClick(view.viewport(), Qt::Key_End);
    rig.grab();
    EXPECT_EQ(view.shownLines().last, c.lastAtEnd);
    EXPECT_EQ(bar->value(), bar->maximum());
    if (c.pastAnInt) {
        EXPECT_GT(bar->maximum(), 1 << 28) << "the bar still counts finely";
        EXPECT_GT(bar->maximum() * std::int64_t{bar->singleStep()},
                  std::int64_t{std::numeric_limits<int>::max()});
    }

    QTest::keyClick(view.viewport(), Qt::Key_Home, Qt::ControlModifier);
    rig.grab();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(view.shownLines().first, "");
    QTest::keyClick(view.viewport(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(view.viewport(), Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListingShown,
    ::testing::Values(
        ListingCase{"Empty", [](ViewRig& r) { r.showText(""); }, "", false},
        ListingCase{"OneTip",
                    [](ViewRig& r) {
                        ReplaceTips(r, 1);
                        r.view->showAllTips();
                    },
                    "Tip text 1", false},
        ListingCase{"ManyTips",
                    [](ViewRig& r) {
                        ReplaceTips(r, 20'000);
                        r.view->showAllTips();
                    },
                    "Tip text 20000", true},
        ListingCase{"TenThousandLineTip", [](ViewRig& r) { r.showText(ManyLines(10'000)); },
                    "line 10000", true},
        ListingCase{"SearchHits",
                    [](ViewRig& r) {
                        ReplaceTips(r, 5'000, ManyLines(3));
                        r.view->showListing(ShowAllListing(r.doc().app().m_Tips, 5'000), {}, {});
                    },
                    "line 3", true},
        ListingCase{"TallerThanAnInt",
                    [](ViewRig& r) {
                        ReplaceTips(r, 200'000);
                        r.doc().m_pFont->setPixelSize(4'000);
                        r.view->showAllTips();
                    },
                    // At this size every character takes a line of its own.
                    "0", true, true},
        ListingCase{"RightToLeft",
                    [](ViewRig& r) {
                        TipCollection& tips = r.doc().app().m_Tips;
                        tips.removeAll();
                        for (int n = 0; n < 300; ++n)
                            tips.append({"01/02/26\n", "cat\n", "שלום עולם\nمرحبا بالعالم\n"});
                        r.view->showAllTips();
                    },
                    QString::fromUtf8("مرحبا بالعالم"), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListingView, PageDownMovesAPageAndLeavingTheListingStartsAnew)
{
    ViewRig rig;
    ReplaceTips(rig, 100'000);
    rig.view->showAllTips();
    rig.grab();
    QScrollBar* bar = rig.view->verticalScrollBar();
    QTest::keyClick(rig.view->viewport(), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->pageStep());
    const QString top = rig.view->shownLines().first;
    rig.grab();
    EXPECT_EQ(rig.view->shownLines().first, top) << "a repaint moves nothing";

    rig.doc().m_CurrentTip = 2;
    rig.view->ShowCurrentTip();
    rig.grab();
    EXPECT_EQ(rig.doc().m_ListedTips, 0);
    EXPECT_EQ(rig.view->shownLines().last, "Tip text 2");
    EXPECT_EQ(bar->maximum(), 0);
}

// Tips whose texts end in every way a text can: the blocks must add up to the listing.
TEST(ListingBlocks, JoinToTheListingWhateverTheTextsEndWith)
{
    const TipCollection tips(TipList{{"d1\n", "c\n", "ends in LF\n"},
                                     {"d2\n", "c\n", "ends in CR\r"},
                                     {"d3\n", "c\n", "no ending"},
                                     {"d4\n", "c\n", ""},
                                     {"", "c\n", ""},
                                     {"d6\n", "c\n", "last\r\n"}});
    const TipListingBlocks blocks(tips, tips.count());
    ASSERT_EQ(blocks.count(), 6u);
    EXPECT_EQ(JoinedBlocks(blocks), "Tip #1\nd1\nends in LF\n"
                                    "\nTip #2\nd2\nends in CR\r"
                                    "\nTip #3\nd3\nno ending"
                                    "\nTip #4\nd4\n"
                                    "\nTip #5\n"
                                    "\nTip #6\nd6\nlast\r\n");
    for (std::size_t index = 1; index < blocks.count(); ++index) {
        const std::string before = blocks.block(index - 1);
        const char last = before.back();
        EXPECT_TRUE(last == '\n') << "block " << index << " starts on a line of its own";
    }
}

TEST(ListingBlocks, TextIsCutOnlyAfterWholeLineBreaks)
{
    const std::string longLine(3 * TextBlocks::kBlockBytes, 'x');
    std::string crLfAtCut(TextBlocks::kBlockBytes - 1, 'y');
    crLfAtCut += "\r\nz\n";
    for (const std::string& text :
         {std::string(), std::string("a"), longLine, crLfAtCut, longLine + "\n" + crLfAtCut}) {
        const TextBlocks blocks(text);
        EXPECT_EQ(JoinedBlocks(blocks), text);
        for (std::size_t index = 1; index < blocks.count(); ++index) {
            const std::string before = blocks.block(index - 1);
            const std::string block = blocks.block(index);
            if (block.empty() || before.empty())
                continue;
            EXPECT_TRUE(before.back() == '\n' || (before.back() == '\r' && block[0] != '\n'));
        }
    }
}

} // namespace
