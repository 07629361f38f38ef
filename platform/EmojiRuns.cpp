#include "platform/EmojiRuns.h"

#include <QFontDatabase>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <unicode/uchar.h>

namespace {

// No character below this one is an emoji by default or takes emoji presentation.
constexpr char16_t kFirstEmoji = 0x203C;
constexpr char32_t kVariationSelector16 = 0xFE0F;
constexpr char32_t kZeroWidthJoiner = 0x200D;

const QString& EmojiFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& name : families) {
            if (name.contains(QLatin1String("Color Emoji"), Qt::CaseInsensitive))
                return name;
        }
        for (const QString& name : families) {
            if (name.contains(QLatin1String("Emoji"), Qt::CaseInsensitive))
                return name;
        }
        return QString();
    }();
    return family;
}

bool ShownAsEmoji(QStringView grapheme)
{
    const QList<uint> codes = grapheme.toUcs4();
    if (codes.isEmpty() || !u_hasBinaryProperty(static_cast<UChar32>(codes.front()), UCHAR_EMOJI))
        return false;
    if (u_hasBinaryProperty(static_cast<UChar32>(codes.front()), UCHAR_EMOJI_PRESENTATION))
        return true;
    return std::any_of(codes.begin() + 1, codes.end(), [](uint code) {
        return code == kVariationSelector16 || code == kZeroWidthJoiner ||
               u_hasBinaryProperty(static_cast<UChar32>(code), UCHAR_EMOJI_MODIFIER);
    });
}

} // namespace

QList<QTextLayout::FormatRange> EmojiFormats(QStringView text)
{
    QList<QTextLayout::FormatRange> formats;
    const bool mayHoldEmoji =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= kFirstEmoji; });
    if (!mayHoldEmoji || EmojiFamily().isEmpty())
        return formats;
    QTextCharFormat emoji;
    emoji.setFontFamilies({EmojiFamily()});
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(),
                               static_cast<int>(text.size()));
    for (qsizetype start = 0, end = finder.toNextBoundary(); end != -1;
         start = end, end = finder.toNextBoundary()) {
        if (!ShownAsEmoji(text.mid(start, end - start)))
            continue;
        QTextLayout::FormatRange* last = formats.isEmpty() ? nullptr : &formats.back();
        if (last != nullptr && last->start + last->length == start)
            last->length += static_cast<int>(end - start);
        else
            formats.append({static_cast<int>(start), static_cast<int>(end - start), emoji});
    }
    return formats;
}
