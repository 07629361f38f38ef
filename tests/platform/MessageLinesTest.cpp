#include "platform/MessageLines.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

QFontMetrics TestMetrics()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setKerning(false);
    return QFontMetrics(font);
}

QStringList WordsOf(const QStringList& lines)
{
    return lines.join(u' ').split(u' ', Qt::SkipEmptyParts);
}

const QString kForeign = QStringLiteral(
    "The file \"PennivelTips\" is either corrupted or is not an original Pennivel file.\n"
    "Saving your changes will overwrite it.\n\nContinue saving?");

TEST(MessageLines, ParagraphsThatFitStayWholeAndBlankLinesStay)
{
    const QFontMetrics metrics = TestMetrics();
    const int wide = metrics.horizontalAdvance(kForeign.section(u'\n', 0, 0));
    EXPECT_EQ(MessageLines(kForeign, metrics, wide), kForeign.split(u'\n'));
}

TEST(MessageLines, LongParagraphsBreakEvenlyWithoutALoneLastWord)
{
    const QFontMetrics metrics = TestMetrics();
    const QString first = kForeign.section(u'\n', 0, 0);
    const int fullWidth = metrics.horizontalAdvance(first);
    // Just too narrow for the paragraph: filling lines would leave "file." alone.
    for (const int width : {fullWidth - 1, fullWidth / 2, fullWidth / 3}) {
        const QStringList lines = MessageLines(first, metrics, width);
        ASSERT_GE(lines.size(), 2) << width;
        EXPECT_EQ(WordsOf(lines), first.split(u' ')) << width;
        EXPECT_GE(lines.last().count(u' '), 1) << width << " " << lines.last().toStdString();
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
    }
}

TEST(MessageLines, AWordWiderThanTheBoxGetsALineOfItsOwn)
{
    const QFontMetrics metrics = TestMetrics();
    const QString path = QStringLiteral("/home/someone/.local/share/Pennivel/PennivelTips.ini");
    const QStringList lines =
        MessageLines("Cannot use " + path + " now.", metrics, metrics.horizontalAdvance(path) / 2);
    EXPECT_TRUE(lines.contains(path)) << lines.join(u'|').toStdString();
    EXPECT_EQ(WordsOf(lines).size(), 4);
}

} // namespace
