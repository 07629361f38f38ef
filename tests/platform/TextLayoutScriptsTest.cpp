#include "platform/TextLayout.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kBoxWidth = 400;

QFont ScriptFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    return font;
}

QImage Rendered(const TextLayout& layout)
{
    QImage image(kBoxWidth, layout.height() + layout.lineHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    layout.draw(painter, QPointF(0, 0), image.rect());
    return image;
}

struct Ink {
    int left = -1;
    int right = -1;
};

// The columns with anything drawn between the top and the bottom of line `index`.
Ink InkOfLine(const QImage& image, const TextLayout& layout, int index)
{
    Ink ink;
    const int top = index * layout.lineHeight();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = top; y < top + layout.lineHeight(); ++y) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                ink.left = ink.left < 0 ? x : ink.left;
                ink.right = x;
                break;
            }
        }
    }
    return ink;
}

struct ScriptCase {
    const char* name;
    QString text;
    // One letter a line: L when it reads left to right, R when right to left.
    const char* directions;
};

void PrintTo(const ScriptCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextLayoutScripts : public ::testing::TestWithParam<ScriptCase> {};

} // namespace

TEST_P(TextLayoutScripts, CentresEachLineAndSetsItAtItsStartEdge)
{
    const ScriptCase& c = GetParam();
    const TextLayout centred(c.text, ScriptFont(), kBoxWidth, true);
    const int lines = static_cast<int>(std::strlen(c.directions));
    ASSERT_EQ(centred.lineCount(), lines);
    const QImage centredImage = Rendered(centred);
    for (int i = 0; i < lines; ++i) {
        const Ink ink = InkOfLine(centredImage, centred, i);
        ASSERT_GE(ink.left, 0) << "line " << i << " not drawn";
        EXPECT_NEAR((ink.left + ink.right) / 2.0, kBoxWidth / 2.0, 2) << "line " << i;
    }

    const TextLayout left(c.text, ScriptFont(), kBoxWidth, false);
    ASSERT_EQ(left.lineCount(), lines);
    const QImage leftImage = Rendered(left);
    for (int i = 0; i < lines; ++i) {
        const Ink ink = InkOfLine(leftImage, left, i);
        if (c.directions[i] == 'R')
            EXPECT_NEAR(ink.right, kBoxWidth - 1, 3) << "line " << i;
        else
            EXPECT_NEAR(ink.left, 0, 3) << "line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, TextLayoutScripts,
    ::testing::Values(
        ScriptCase{"Latin",
                   QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit"), "LL"},
        ScriptCase{"Arabic",
                   QStringLiteral("مرحبا بالعالم، هذه نصيحة اليوم للجميع من القلب إلى القلب"),
                   "RR"},
        ScriptCase{"HebrewWithPunctuation", QStringLiteral("שלום, עולם. זוהי עצה קטנה (ליום) שלם!"),
                   "R"},
        ScriptCase{"EmojiSequences",
                   QStringLiteral("Family 👨‍👩‍👧‍👦 thumbs 👍🏽 flag 🇫🇷 and 🧑🏿‍💻 "
                                  "at "
                                  "work"),
                   "LL"},
        ScriptCase{"EmojiBetweenArabicWords",
                   QStringLiteral("مرحبا 👍🏽 بالعالم 🦉، هذه نصيحة 👨‍👩‍👧 اليوم للجميع من "
                                  "القلب"),
                   "RR"},
        ScriptCase{"CombiningMarks",
                   QStringLiteral("Cafe\u0301 a\u0308 o\u0323\u0302 n\u0303 Z\u0335\u0327"), "L"},
        ScriptCase{"Cjk",
                   QStringLiteral("CJK: "
                                  "漢字仮名交じり文は読みやすいですか？長い文章も単語の間に空白がな"
                                  "くても折り返します"),
                   "LL"},
        ScriptCase{"LongUnbreakableWord", QString(60, QLatin1Char('w')), "LLL"},
        ScriptCase{"Tabs", QStringLiteral("a\tb\tc"), "L"},
        ScriptCase{"CrLfBetweenArabicAndLatin", QStringLiteral("مرحبا\r\nHello"), "RL"}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

bool Coloured(QRgb pixel)
{
    const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                       std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return spread > 60;
}

} // namespace

// Emoji are laid out as blank stand-ins and their pictures painted over them, so the
// picture must land between its neighbours, in colour, at any resolution (the window,
// the printed page), at the size of the text around it.
TEST(TextLayoutEmoji, PictureLiesInColourBetweenItsNeighbours)
{
    for (const int dpi : {96, 300}) {
        SCOPED_TRACE(dpi);
        QImage image(3 * kBoxWidth, 400, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
        image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
        image.fill(Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(14);
        const TextLayout layout(QStringLiteral("l🦉l"), font, image.width(), false, &image);
        ASSERT_EQ(layout.lineCount(), 1);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        layout.draw(painter, QPointF(0, 0), image.rect());
        painter.end();

        int colouredLeft = image.width();
        int colouredRight = -1;
        std::vector<int> greyColumns;
        for (int x = 0; x < image.width(); ++x) {
            bool grey = false;
            for (int y = 0; y < layout.lineHeight(); ++y) {
                const QRgb pixel = image.pixel(x, y);
                if (Coloured(pixel)) {
                    colouredLeft = std::min(colouredLeft, x);
                    colouredRight = std::max(colouredRight, x);
                } else if (pixel != qRgb(255, 255, 255)) {
                    grey = true;
                }
            }
            if (grey)
                greyColumns.push_back(x);
        }
        ASSERT_LE(colouredLeft, colouredRight) << "no emoji picture drawn";
        // A letter on each side.
        const auto before = std::count_if(greyColumns.begin(), greyColumns.end(),
                                          [&](int x) { return x < colouredLeft; });
        const auto after = std::count_if(greyColumns.begin(), greyColumns.end(),
                                         [&](int x) { return x > colouredRight; });
        EXPECT_GT(before, 0);
        EXPECT_GT(after, 0);
        const int pictureWidth = colouredRight - colouredLeft + 1;
        EXPECT_GT(pictureWidth, layout.lineHeight() / 4);
        EXPECT_LT(pictureWidth, layout.lineHeight() * 2);
    }
}
