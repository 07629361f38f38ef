#include "platform/EmojiRuns.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <mutex>
#include <unicode/uchar.h>

namespace {

// No character below this one is an emoji by default or takes emoji presentation.
constexpr char16_t kFirstEmoji = 0x203C;
constexpr char32_t kVariationSelector16 = 0xFE0F;
constexpr char32_t kZeroWidthJoiner = 0x200D;
// GETA MARK: like an emoji it allows a line break on either side, is neutral in
// direction and belongs to no script, but it is no emoji, so no font engine looks for a
// colour picture of it. It is set in the text's font alone, so no other font is searched
// for it either. Variation selector 1 fills the rest of the sequence's length: it joins
// the stand-in's grapheme, keeps its breaks, and is drawn as nothing.
constexpr char16_t kStandIn = 0x3013;
constexpr char16_t kStandInFill = 0xFE00;
// The size at which each sequence is measured once; widths at other sizes scale with
// the font's ascent, as a bitmap emoji font's pictures do.
constexpr int kMeasuredPixelSize = 128;
// Drawn pictures kept before the cache starts again; a screenful of distinct emoji at a
// few sizes fits many times over.
constexpr qsizetype kKeptPictures = 2'000;

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

std::vector<EmojiSpan> EmojiGraphemes(QStringView text)
{
    std::vector<EmojiSpan> spans;
    const bool mayHoldEmoji =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= kFirstEmoji; });
    if (!mayHoldEmoji || EmojiFamily().isEmpty())
        return spans;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(),
                               static_cast<int>(text.size()));
    for (qsizetype start = 0, end = finder.toNextBoundary(); end != -1;
         start = end, end = finder.toNextBoundary()) {
        if (ShownAsEmoji(text.mid(start, end - start)))
            spans.push_back({static_cast<int>(start), static_cast<int>(end - start)});
    }
    return spans;
}

QFont EmojiFont(const QFont& font)
{
    QFont emoji = font;
    emoji.setFamilies({EmojiFamily()});
    return emoji;
}

// Measured widths and drawn pictures are shared by every layout; printing may lay out
// away from the thread that paints the window.
struct EmojiCache {
    std::mutex mutex;
    // Width over ascent of each sequence, by sequence and font style.
    QHash<QString, qreal> widthPerAscent;
    QHash<QString, QImage> pictures;
};

EmojiCache& Cache()
{
    static EmojiCache cache;
    return cache;
}

QString StyleKey(const QString& sequence, QFont font)
{
    font.setPixelSize(kMeasuredPixelSize);
    return sequence + QChar(u'\0') + font.key();
}

qreal WidthPerAscent(const QString& sequence, const QFont& emojiFont)
{
    const QString key = StyleKey(sequence, emojiFont);
    EmojiCache& cache = Cache();
    {
        const std::lock_guard lock(cache.mutex);
        const auto found = cache.widthPerAscent.constFind(key);
        if (found != cache.widthPerAscent.constEnd())
            return *found;
    }
    QFont measured = emojiFont;
    measured.setPixelSize(kMeasuredPixelSize);
    const QFontMetricsF metrics(measured);
    const qreal ratio = metrics.horizontalAdvance(sequence) / std::max<qreal>(1, metrics.ascent());
    const std::lock_guard lock(cache.mutex);
    cache.widthPerAscent.insert(key, ratio);
    return ratio;
}

QFontMetricsF MetricsOn(const QFont& font, const QPaintDevice* device)
{
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

// How much wider a character gets for each unit of absolute letter spacing: Qt scales
// the spacing by the device's resolution over the screen's.
qreal SpacingScale(const QFont& font, const QPaintDevice* device)
{
    constexpr qreal kTrial = 100;
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, kTrial);
    const QString standIn{QChar(kStandIn)};
    const qreal wider = MetricsOn(spaced, device).horizontalAdvance(standIn) -
                        MetricsOn(font, device).horizontalAdvance(standIn);
    return wider > 0 ? wider / kTrial : 1;
}

} // namespace

EmojiStandIns StandInsForEmoji(QStringView text, const QFont& font, const QPaintDevice* device)
{
    EmojiStandIns standIns{text.toString(), {}, EmojiGraphemes(text)};
    if (standIns.emoji.empty())
        return standIns;
    const QFont emojiFont = EmojiFont(font);
    const qreal emojiAscent = MetricsOn(emojiFont, device).ascent();
    QFont standInFont = font;
    standInFont.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    const qreal standInWidth = MetricsOn(standInFont, device).horizontalAdvance(QChar(kStandIn));
    const qreal spacingScale = SpacingScale(standInFont, device);
    QTextCharFormat blank;
    blank.setForeground(QColor(Qt::transparent));
    blank.setFontStyleStrategy(standInFont.styleStrategy());
    blank.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    QChar* const characters = standIns.text.data();
    for (const EmojiSpan& span : standIns.emoji) {
        const QString sequence = text.mid(span.start, span.length).toString();
        const qreal width = WidthPerAscent(sequence, emojiFont) * emojiAscent;
        characters[span.start] = QChar(kStandIn);
        std::fill(characters + span.start + 1, characters + span.start + span.length,
                  QChar(kStandInFill));
        blank.setFontLetterSpacing((width - standInWidth) / spacingScale);
        standIns.formats.append({span.start, 1, blank});
    }
    return standIns;
}

void DrawEmoji(QPainter& painter, qreal left, qreal baseline, const QString& sequence,
               const QFont& font)
{
    const QPaintDevice* device = painter.device();
    const QFont emojiFont = EmojiFont(font);
    const QFontMetricsF metrics = MetricsOn(emojiFont, device);
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    const int dpi = device ? device->logicalDpiY() : 96;
    // A margin on each side for a picture that overhangs its width.
    const qreal margin = std::ceil(metrics.ascent() / 4);
    const QString key = StyleKey(sequence, emojiFont) + QChar(u'\0') +
                        QString::number(metrics.ascent()) + QChar(u'\0') + QString::number(dpi) +
                        QChar(u'\0') + QString::number(ratio);
    EmojiCache& cache = Cache();
    QImage picture;
    {
        const std::lock_guard lock(cache.mutex);
        picture = cache.pictures.value(key);
    }
    if (picture.isNull()) {
        const QSizeF size(WidthPerAscent(sequence, emojiFont) * metrics.ascent() + 2 * margin,
                          metrics.height() + 2 * margin);
        picture = QImage(static_cast<int>(std::ceil(size.width() * ratio)),
                         static_cast<int>(std::ceil(size.height() * ratio)),
                         QImage::Format_ARGB32_Premultiplied);
        // The picture's resolution is the device's, so a font sized in points draws at
        // the size it has there.
        constexpr qreal kInchesPerMetre = 1 / 0.0254;
        picture.setDotsPerMeterX(static_cast<int>(std::lround(dpi * kInchesPerMetre)));
        picture.setDotsPerMeterY(static_cast<int>(std::lround(dpi * kInchesPerMetre)));
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter drawing(&picture);
        drawing.setFont(emojiFont);
        drawing.drawText(QPointF(margin, margin + metrics.ascent()), sequence);
        drawing.end();
        const std::lock_guard lock(cache.mutex);
        if (cache.pictures.size() >= kKeptPictures)
            cache.pictures.clear();
        cache.pictures.insert(key, picture);
    }
    painter.drawImage(QPointF(left - margin, baseline - metrics.ascent() - margin), picture);
}
