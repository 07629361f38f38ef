#include "saver/SaverPainting.h"
#include "saver/SaverColours.h"
#include "saver/SaverScene.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace {

QImage Paint(const SaverFrame& frame, QSize size = QSize(800, 600))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    PaintSaverFrame(painter, image.rect(), frame);
    return image;
}

// Rows holding any pixel that is not black.
std::pair<int, int> InkedRows(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return {first, last};
}

TEST(SaverPainting, BlackWithTheTextInItsColourCentred)
{
    const ColorRef colour = SaverColour(2);
    const QImage image = Paint({"Patience\n", colour, kTipFontHeight});
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_TRUE(colours.count(qRgb(0, 0, 0)));
    EXPECT_TRUE(colours.count(colour.toQColor().rgb()));
    EXPECT_FALSE(colours.count(QColor(Qt::gray).rgb())) << "the whole window is painted";
    const auto [top, bottom] = InkedRows(image);
    EXPECT_NEAR((top + bottom) / 2, image.height() / 2, 24);
}

// An Arabic Tip on the saver: every line centred by its shaped width.
TEST(SaverPainting, ArabicLinesCentred)
{
    const QImage image = Paint({"مرحبا بالعالم، هذه نصيحة اليوم للجميع من القلب إلى القلب\n",
                                SaverColour(3), kTipFontHeight});
    const auto [top, bottom] = InkedRows(image);
    ASSERT_GE(top, 0);
    const FittedText fitted =
        FitSaverText(QStringLiteral("مرحبا بالعالم، هذه نصيحة اليوم للجميع من القلب إلى القلب"),
                     kTipFontHeight, image.width(), image.height(), &image);
    ASSERT_GE(fitted.layout.lineCount(), 2);
    const int first = (image.height() - fitted.layout.height()) / 2;
    for (int line = 0; line < fitted.layout.lineCount(); ++line) {
        int left = image.width(), right = -1;
        for (int y = first + line * fitted.layout.lineHeight();
             y < first + (line + 1) * fitted.layout.lineHeight(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_NEAR((left + right) / 2.0, image.width() / 2.0, 8) << "line " << line;
    }
}

struct FitCase {
    const char* name;
    int characters;
    int startHeight;
    int fittedHeight; // 0: anything the fitting stops at, as long as it fits
};

class SaverFitting : public testing::TestWithParam<FitCase> {};

TEST_P(SaverFitting, ShrinksInStepsUntilItFits)
{
    const FitCase& c = GetParam();
    const QImage device(800, 600, QImage::Format_RGB32);
    const FittedText fitted = FitSaverText(QString(c.characters, u'w').replace(7, 1, u' '),
                                           c.startHeight, 800, 600, &device);
    EXPECT_EQ((c.startHeight - fitted.fontHeight) % kFontHeightStep, 0);
    EXPECT_GE(fitted.fontHeight, kSmallestFontHeight);
    if (c.fittedHeight)
        EXPECT_EQ(fitted.fontHeight, c.fittedHeight);
    else
        EXPECT_LT(fitted.layout.height(), 600);
}

INSTANTIATE_TEST_SUITE_P(Table, SaverFitting,
                         testing::Values(FitCase{"ShortClockKeeps72", 8, 72, 72},
                                         FitCase{"ShortTipKeeps48", 20, 48, 48},
                                         FitCase{"MediumTipShrinks", 600, 48, 0},
                                         FitCase{"HugeTipStopsAt24", 5000, 48, 24},
                                         FitCase{"HugeClockStopsAt24", 5000, 72, 24}),
                         [](const auto& info) { return info.param.name; });

// A 2,000-character Tip is cut to 1,000, still too tall at height 24, and is drawn from
// above the top edge with its middle on the window's middle.
TEST(SaverPainting, LongTipIsCutShrunkAndStartsAboveTheTop)
{
    std::string text;
    while (text.size() < 2000)
        text += "Many words in a long Tip ";
    text.resize(2000);
    const QSize small(300, 200);
    const QImage image = Paint({text, SaverColour(3), kTipFontHeight}, small);
    const FittedText cut = FitSaverText(QString::fromStdString(text.substr(0, 1000)),
                                        kTipFontHeight, small.width(), small.height(), &image);
    const FittedText whole = FitSaverText(QString::fromStdString(text), kTipFontHeight,
                                          small.width(), small.height(), &image);
    EXPECT_EQ(cut.fontHeight, kSmallestFontHeight);
    EXPECT_GT(cut.layout.height(), small.height());
    EXPECT_GT(whole.layout.height(), cut.layout.height());
    const auto [top, bottom] = InkedRows(image);
    EXPECT_LE(top, 2) << "the text fills the window from its top edge";
    EXPECT_GE(bottom, small.height() - 3);
}

} // namespace
