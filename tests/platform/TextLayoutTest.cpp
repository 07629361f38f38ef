#include "platform/TextLayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QFont TestFont()
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(20);
    font.setKerning(false);
    return font;
}

QStringList Lines(const TextLayout& layout)
{
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i)
        lines << layout.lineText(i);
    return lines;
}

struct BreakCase {
    const char* name;
    QString text;
    QStringList lines;
};

void PrintTo(const BreakCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextLayoutLineEnds : public ::testing::TestWithParam<BreakCase> {};

} // namespace

TEST_P(TextLayoutLineEnds, BreakWhereTheTextSays)
{
    const TextLayout layout(GetParam().text, TestFont(), 10000, false);
    EXPECT_EQ(Lines(layout), GetParam().lines);
    EXPECT_EQ(layout.height(), layout.lineCount() * layout.lineHeight());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextLayoutLineEnds,
    ::testing::Values(
        BreakCase{"CrLf", QStringLiteral("one\r\ntwo"), {"one", "two"}},
        BreakCase{"Lf", QStringLiteral("one\ntwo"), {"one", "two"}},
        BreakCase{"LoneCr", QStringLiteral("one\rtwo"), {"one", "two"}},
        BreakCase{"LfCr", QStringLiteral("one\n\rtwo"), {"one", "", "two"}},
        BreakCase{"TrailingBreakAddsNothing", QStringLiteral("one\n"), {"one"}},
        BreakCase{"LeadingEmptyLine", QStringLiteral("\nTip #7\ntext\n"), {"", "Tip #7", "text"}},
        BreakCase{"OnlyABreak", QStringLiteral("\n"), {""}}, BreakCase{"Empty", QString(), {}},
        BreakCase{"AmpersandIsLiteral", QStringLiteral("&Salt && pepper"), {"&Salt && pepper"}},
        BreakCase{"NulIsACharacter",
                  QString(QChar(0)) + QStringLiteral("x"),
                  {QString(QChar(0)) + QStringLiteral("x")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLayout, WrapsAtBlanksToTheWidth)
{
    const QFontMetricsF metrics(TestFont());
    const int width = static_cast<int>(metrics.horizontalAdvance(QStringLiteral("alpha beta")) + 2);
    const TextLayout layout(QStringLiteral("alpha beta gamma   delta"), TestFont(), width, false);
    EXPECT_EQ(Lines(layout), (QStringList{"alpha beta", "gamma", "delta"}));
}

TEST(TextLayout, KeepsLeadingBlanksOfAParagraph)
{
    const TextLayout layout(QStringLiteral("   indented"), TestFont(), 10000, false);
    EXPECT_EQ(layout.lineText(0), QStringLiteral("   indented"));
}

TEST(TextLayout, WordWiderThanTheBoxBreaksAnywhere)
{
    const QFontMetricsF metrics(TestFont());
    const int width = static_cast<int>(metrics.horizontalAdvance(QStringLiteral("MMMM")) + 1);
    const QString word(50, u'M');
    const TextLayout layout(QStringLiteral("a ") + word, TestFont(), width, false);
    ASSERT_GT(layout.lineCount(), 10);
    EXPECT_EQ(layout.lineText(0), QStringLiteral("a"));
    EXPECT_EQ(Lines(layout).mid(1).join(QString()), word);
    for (int i = 1; i < layout.lineCount(); ++i)
        EXPECT_LE(metrics.horizontalAdvance(layout.lineText(i)), width + 0.5) << i;
}

TEST(TextLayout, EveryLineGetsAtLeastOneCharacter)
{
    const TextLayout layout(QStringLiteral("WWW"), TestFont(), 0, false);
    EXPECT_EQ(Lines(layout), (QStringList{"W", "W", "W"}));
}

TEST(TextLayout, TabsAdvanceToStopsOfEightAverageCharacters)
{
    const QFontMetrics metrics(TestFont());
    const int stop = 8 * metrics.averageCharWidth();
    const TextLayout layout(QStringLiteral("a\tb"), TestFont(), stop * 4, true);
    const qreal expected = stop + metrics.horizontalAdvance(u'b');
    EXPECT_NEAR(layout.lineLeft(0), (stop * 4 - expected) / 2, 0.5);
}

TEST(TextLayout, CentresEachLineByItsOwnWidth)
{
    const QFontMetricsF metrics(TestFont());
    const TextLayout layout(QStringLiteral("i\nWWWW"), TestFont(), 400, true);
    EXPECT_NEAR(layout.lineLeft(0), (400 - metrics.horizontalAdvance(u'i')) / 2, 0.5);
    EXPECT_NEAR(layout.lineLeft(1), (400 - metrics.horizontalAdvance(QStringLiteral("WWWW"))) / 2,
                0.5);
    const TextLayout left(QStringLiteral("i"), TestFont(), 400, false);
    EXPECT_EQ(left.lineLeft(0), 0);
}

TEST(TextLayout, KnowsTheInputsItWasMadeFrom)
{
    const TextLayout layout(QStringLiteral("x"), TestFont(), 100, true);
    EXPECT_TRUE(layout.isFor(QStringLiteral("x"), TestFont(), 100, true));
    EXPECT_FALSE(layout.isFor(QStringLiteral("y"), TestFont(), 100, true));
    EXPECT_FALSE(layout.isFor(QStringLiteral("x"), TestFont(), 101, true));
    EXPECT_FALSE(layout.isFor(QStringLiteral("x"), TestFont(), 100, false));
}

// A listing can be megabytes long: laying it out and drawing it never copies it.
TEST(TextLayout, SharesTheTextItIsGiven)
{
    const QString text = QStringLiteral("first line\r\nمرحبا") + QString(100, u'x');
    const TextLayout layout(text, TestFont(), 200, true);
    QImage image(200, layout.height(), QImage::Format_RGB32);
    QPainter painter(&image);
    layout.draw(painter, QPointF(0, 0), image.rect());
    EXPECT_FALSE(text.isDetached());
}

TEST(TextLayout, DrawsOnlyInsideTheLinesItLaidOut)
{
    const TextLayout layout(QStringLiteral("\nXXXX"), TestFont(), 200, true);
    QImage image(200, 3 * layout.lineHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    layout.draw(painter, QPointF(0, 0), image.rect());
    painter.end();

    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(bottom, 0) << "nothing drawn";
    EXPECT_GE(top, layout.lineHeight());             // the first line is empty
    EXPECT_LT(bottom, 2 * layout.lineHeight());      // nothing below the second
    EXPECT_NEAR(left, image.width() - 1 - right, 3); // centred
}
