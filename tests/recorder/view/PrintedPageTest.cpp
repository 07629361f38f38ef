#include "recorder/view/PrintedPage.h"

#include "platform/DeviceResolution.h"
#include "tests/recorder/view/PdfPage.h"
#include "tests/recorder/view/ViewRig.h"
#include "tests/support/ScriptedPrintDialogs.h"
#include "tests/support/TempDir.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr float kScreenAt96Dpi = 3; // 96 / 25.4 pixels per mm, whole pixels

struct PrintedPage {
    QImage image; // as pdftoppm renders the PDF at 300 dpi
    int height;   // of the page rectangle: A4 at 300 dpi, 3508
    PageFit fit;
    int scale;
};

PrintedPage PrintOnPdf(const QString& text, bool centre)
{
    TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    PointAtPdf(printer, dir.file("page.pdf"));
    QPainter painter(&printer);
    const int scale = PrintScale(float(VerticalPixelsPerMm(printer)), kScreenAt96Dpi);
    PrintedTip tip;
    tip.text = text;
    tip.font.setFaceName(QStringLiteral("Times New Roman"));
    tip.centre = centre;
    const QRect pageRect(0, 0, printer.width(), printer.height());
    const PageFit fit = PaintPrintedTip(painter, tip, scale, pageRect);
    painter.end();
    return {RenderPdfPage(dir.file("page.pdf")), pageRect.height(), fit, scale};
}

// Rows where a band of ink begins after a blank row.
std::vector<int> BandStarts(const QImage& image)
{
    const std::vector<bool> ink = InkRows(image);
    std::vector<int> starts;
    for (int y = 1; y < static_cast<int>(ink.size()); ++y)
        if (ink[y] && !ink[y - 1])
            starts.push_back(y);
    return starts;
}

} // namespace

TEST(PrintScale, PrinterUnitsPerScreenUnitRoundedUp)
{
    EXPECT_EQ(PrintScale(11, 3), 4);  // 300-dpi printer, 96-dpi screen
    EXPECT_EQ(PrintScale(47, 3), 16); // 1200-dpi PDF
    EXPECT_EQ(PrintScale(3, 3), 1);
    EXPECT_EQ(PrintScale(2, 3), 1);  // never smaller than the screen
    EXPECT_EQ(PrintScale(11, 0), 4); // a screen without a size counts as 96 dpi
}

TEST(PrintedPage, ShortTipAtTheLargestSizeCentredOnThePage)
{
    const PrintedPage page = PrintOnPdf(QStringLiteral("Tip #1\nTip\n"), true);
    ASSERT_FALSE(page.image.isNull()) << "pdftoppm (poppler-utils) could not render the page";
    ASSERT_EQ(page.height, 3508);
    EXPECT_EQ(page.scale, 4);
    EXPECT_EQ(page.fit.lfHeight, 72 * 4);
    // Both lines start with "T", so their tops lie one line apart: 72 × r device units.
    const std::vector<int> starts = BandStarts(page.image);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_NEAR(starts[1] - starts[0], 288, 3);
    const std::vector<bool> ink = InkRows(page.image);
    const int top = (page.height - page.fit.textHeight) / 2;
    const int lastInk = page.image.height() - 1 -
                        static_cast<int>(std::find(ink.rbegin(), ink.rend(), true) - ink.rbegin());
    EXPECT_GT(starts[0], top);
    EXPECT_LE(lastInk, top + page.fit.textHeight);
    const auto [left, right] = InkColumns(page.image);
    EXPECT_NEAR((left + right) / 2, 1240, 8);
}

TEST(PrintedPage, LeftAlignedStartsAtTheTopLeft)
{
    const PrintedPage page = PrintOnPdf(QStringLiteral("Tip #1\nTip\n"), false);
    ASSERT_FALSE(page.image.isNull());
    const std::vector<int> starts = BandStarts(page.image);
    ASSERT_FALSE(starts.empty());
    EXPECT_LT(starts[0], 288 / 2);
    EXPECT_LT(InkColumns(page.image).first, 40);
}

TEST(PrintedPage, ListingTooLongForTheSmallestSizeStartsAboveThePageByHalfTheExcess)
{
    QString listing;
    for (int i = 0; i < 120; ++i)
        listing += QStringLiteral("x\n");
    const PrintedPage left = PrintOnPdf(listing, false);
    const PrintedPage centred = PrintOnPdf(listing, true);
    ASSERT_FALSE(left.image.isNull());
    ASSERT_FALSE(centred.image.isNull());
    EXPECT_EQ(centred.fit.lfHeight, 12 * 4);
    const int excess = centred.fit.textHeight - centred.height;
    ASSERT_GT(excess, 0);
    // Every line stands as far above its place on the left-aligned page as half the
    // excess, so each band of the centred page is a band of the left one moved up.
    const std::vector<int> leftStarts = BandStarts(left.image);
    const std::vector<int> centredStarts = BandStarts(centred.image);
    ASSERT_GT(leftStarts.size(), 60u);
    const int pitch = leftStarts[1] - leftStarts[0];
    EXPECT_NEAR(pitch, 48, 2);
    const int shift = (leftStarts[0] - excess / 2 - centredStarts[0]) % pitch;
    EXPECT_TRUE(std::abs(shift) <= 2 || std::abs(shift) >= pitch - 2) << shift;
    // The page is written from the top edge to the bottom edge.
    const std::vector<bool> ink = InkRows(centred.image);
    EXPECT_NE(std::find(ink.begin(), ink.begin() + pitch, true), ink.begin() + pitch);
    EXPECT_NE(std::find(ink.end() - pitch, ink.end(), true), ink.end());
}

// Right-to-left paragraphs on paper as in the window: each line of an Arabic Tip centred
// by its shaped width, a Hebrew one set against the right edge when aligned left.
TEST(PrintedPage, RightToLeftTipsCentredOrAtTheirStartEdge)
{
    const PrintedPage arabic =
        PrintOnPdf(QStringLiteral("مرحبا بالعالم،\nهذه نصيحة اليوم للجميع"), true);
    ASSERT_FALSE(arabic.image.isNull());
    const int top = (arabic.height - arabic.fit.textHeight) / 2;
    const int lineHeight = arabic.fit.textHeight / 2;
    for (int line = 0; line < 2; ++line) {
        const QImage band =
            arabic.image.copy(0, top + line * lineHeight, arabic.image.width(), lineHeight);
        const auto [left, right] = InkColumns(band);
        ASSERT_GE(left, 0) << "line " << line;
        // Within 8 window pixels, as the page draws `scale` times as finely.
        EXPECT_NEAR((left + right) / 2, 1240, 8 * arabic.scale) << "line " << line;
    }

    const PrintedPage hebrew = PrintOnPdf(QStringLiteral("שלום, עולם."), false);
    ASSERT_FALSE(hebrew.image.isNull());
    const auto [left, right] = InkColumns(hebrew.image);
    EXPECT_GT(left, 400);
    EXPECT_GT(right, hebrew.image.width() - 40);
}
