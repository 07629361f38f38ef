#include "platform/LogFont.h"

#include <QFontMetrics>
#include <QList>
#include <climits>
#include <gtest/gtest.h>

namespace {

LogFont Face(int height, int weight = 400, bool italic = false)
{
    LogFont font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic ? 1 : 0;
    font.setFaceName(QStringLiteral("Times New Roman"));
    return font;
}

} // namespace

TEST(LogFont, NegativeHeightIsTheCharacterHeightInPixels)
{
    EXPECT_EQ(ToQFont(Face(-64)).pixelSize(), 64);
    EXPECT_EQ(ToQFont(Face(-13)).pixelSize(), 13);
}

TEST(LogFont, PositiveHeightIsTheWholeCell)
{
    for (int cell : {20, 64, 100}) {
        const QFont font = ToQFont(Face(cell));
        EXPECT_NEAR(QFontMetrics(font).height(), cell, 1) << cell;
        EXPECT_LT(font.pixelSize(), cell);
    }
}

TEST(LogFont, AbsurdHeightsStayPaintable)
{
    for (int height : {INT_MIN, INT_MAX, -1000000, 1000000})
        EXPECT_LE(ToQFont(Face(height)).pixelSize(), LogFont::kMaxPixelHeight) << height;
    EXPECT_GT(ToQFont(Face(0)).pointSizeF() + ToQFont(Face(0)).pixelSize(), 0);
}

TEST(LogFont, WeightAndSlantCarryOver)
{
    EXPECT_EQ(ToQFont(Face(-20, 400)).weight(), QFont::Normal);
    EXPECT_EQ(ToQFont(Face(-20, 700)).weight(), QFont::Bold);
    EXPECT_TRUE(ToQFont(Face(-20, 400, true)).italic());
    EXPECT_FALSE(ToQFont(Face(-20)).italic());
    EXPECT_EQ(ToQFont(Face(-20, 0)).weight(), QFont::Normal);
    EXPECT_EQ(ToQFont(Face(-20, -5)).weight(), 1);
}

TEST(LogFont, FaceNameKeepsThirtyOneCharacters)
{
    LogFont font;
    font.setFaceName(QString(40, u'x'));
    EXPECT_EQ(font.lfFaceName, QString(31, u'x'));
    font.setFaceName(QString(30, u'y') + QString::fromUcs4(U"\U0001F600\U0001F600"));
    EXPECT_EQ(font.lfFaceName.toUcs4().size(), 31);
    EXPECT_TRUE(font.lfFaceName.back().isLowSurrogate());
}

TEST(LogFont, PickedFontBecomesCharacterHeightAtTheScreenResolution)
{
    QFont picked(QStringLiteral("Liberation Sans"));
    picked.setPointSize(12);
    picked.setBold(true);
    picked.setItalic(true);
    const LogFont logFont = FromQFont(picked, 96);
    EXPECT_EQ(logFont.lfHeight, -16);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfFaceName, QStringLiteral("Liberation Sans"));

    picked.setPointSize(72);
    EXPECT_EQ(FromQFont(picked, 96).lfHeight, -96);
    picked.setPixelSize(30);
    EXPECT_EQ(FromQFont(picked, 96).lfHeight, -30);
}
