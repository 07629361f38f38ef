#include "tests/recorder/view/ViewRig.h"

#include "recorder/view/DisplayText.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

int LineHeight(ViewRig& rig)
{
    return QFontMetrics(*rig.doc().m_pFont).height();
}

} // namespace

TEST(TipDisplay, DefaultsArePinkBackgroundAndBlackText)
{
    ViewRig rig;
    const QImage image = rig.grab();
    EXPECT_EQ(image.pixelColor(2, image.height() - 3), QColor(255, 128, 192));
    EXPECT_EQ(image.pixelColor(image.width() - 3, 2), QColor(255, 128, 192));
    bool black = false;
    for (int y = 0; y < image.height() && !black; ++y)
        for (int x = 0; x < image.width() && !black; ++x)
            black = image.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_TRUE(black);
}

TEST(TipDisplay, FirstLineStaysEmptyAndTheTipNumberLineFollows)
{
    ViewRig rig;
    rig.showText("Short\n", 7);
    const int line = LineHeight(rig);
    EXPECT_EQ(InkedLines(rig.grab(), line), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(ComposeDisplayText(rig.doc(), false), "\nTip #7\nShort\n");
}

struct HiddenCase {
    const char* name;
    std::function<void(ViewRig&)> arrange;
};

void PrintTo(const HiddenCase& c, std::ostream* os)
{
    *os << c.name;
}

class TipNumberLineHidden : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(TipNumberLineHidden, WhenAnyConditionFails)
{
    ViewRig rig;
    rig.showText("Short\n", 7);
    GetParam().arrange(rig);
    rig.view->viewport()->update();
    const std::vector<bool> lines = InkedLines(rig.grab(), LineHeight(rig));
    EXPECT_LE(lines.size(), 2u);
    EXPECT_EQ(ComposeDisplayText(rig.doc(), false).find("Tip #"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, TipNumberLineHidden,
    ::testing::Values(
        HiddenCase{"SwitchedOff", [](ViewRig& r) { r.doc().m_InfoAlwaysTip = false; }},
        HiddenCase{"NoText", [](ViewRig& r) { r.doc().m_CurrentText.clear(); }},
        HiddenCase{"ScreenCleared", [](ViewRig& r) { r.doc().m_bScreenCleared = true; }},
        HiddenCase{"NoTips", [](ViewRig& r) { r.doc().app().m_Tips.removeAll(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TipDisplay, CentresOrLeftAlignsEachLine)
{
    ViewRig rig;
    rig.doc().m_InfoAlwaysTip = false;
    rig.showText("Wisdom\n");
    const QImage centred = rig.grab();
    const auto [left, right] = InkColumns(centred);
    EXPECT_NEAR((left + right) / 2.0, centred.width() / 2.0, 4);

    rig.doc().m_Alignment = 0;
    rig.view->viewport()->update();
    EXPECT_LT(InkColumns(rig.grab()).first, 8);
}

TEST(TipDisplay, LongTipScrollsByPagesAndLines)
{
    ViewRig rig;
    std::string text;
    for (int i = 1; i <= 60; ++i)
        text += "Line " + std::to_string(i) + "\r\n";
    rig.showText(text);
    rig.grab();
    const QImage top = rig.grab(); // again, now with the scroll bar in place
    const int line = LineHeight(rig);
    QScrollBar* bar = rig.view->verticalScrollBar();
    EXPECT_EQ(bar->singleStep(), line);
    EXPECT_EQ(bar->pageStep(), rig.view->viewport()->height() - line);
    EXPECT_EQ(bar->maximum(), (62 * line) - rig.view->viewport()->height());
    EXPECT_TRUE(bar->isVisible());

    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), bar->pageStep());
    EXPECT_NE(rig.grab(), top);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), bar->pageStep() + line);
}

TEST(TipDisplay, WordWiderThanTheWindowWrapsInsteadOfRunningOff)
{
    ViewRig rig;
    rig.doc().m_InfoAlwaysTip = false;
    rig.showText(std::string(120, 'W') + "\n");
    const QImage image = rig.grab();
    const std::vector<bool> lines = InkedLines(image, LineHeight(rig));
    EXPECT_GT(std::count(lines.begin(), lines.end(), true), 2);
    const auto [left, right] = InkColumns(image);
    EXPECT_GE(left, 0);
    EXPECT_LT(right, image.width());
}

TEST(TipDisplay, WithoutAFontTheWidgetFontIsUsed)
{
    ViewRig rig;
    rig.doc().m_pFont.reset();
    rig.showText("Plain\n");
    EXPECT_FALSE(InkedLines(rig.grab(), QFontMetrics(rig.view->font()).height()).empty());
}

TEST(DisplayText, PrinterPagesHaveNoLeadingEmptyLine)
{
    ViewRig rig;
    rig.showText("Text\n", 3);
    EXPECT_EQ(ComposeDisplayText(rig.doc(), true), "Tip #3\nText\n");
    EXPECT_EQ(ComposeDisplayText(rig.doc(), false), "\nTip #3\nText\n");
}
