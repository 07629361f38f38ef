#include "recorder/dialogs/format/CFontSizeDlg.h"

#include "platform/Messages.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <cmath>
#include <cstdlib>

namespace {

// The dialog works in points; a stored character height in pixels becomes the nearest
// whole point size at the screen's resolution.
QFont StartingFont(const LogFont& current, int dpiY)
{
    QFont font = ToQFont(current);
    // A face the system maps to another (an alias) is shown as the family really used.
    font.setFamily(QFontInfo(font).family());
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : 16;
    font.setPointSize(std::max(1, static_cast<int>(std::lround(pixels * 72.0 / dpiY))));
    return font;
}

} // namespace

CFontSizeDlg::CFontSizeDlg(const LogFont& current, int dpiY, Messages& messages, QWidget* parent)
    : QFontDialog(parent), m_dpiY(dpiY), m_messages(messages)
{
    setObjectName(QStringLiteral("fontDialog"));
    setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    setCurrentFont(StartingFont(current, dpiY));
    // Underline, strike-out and colour have no place in the display font.
    for (QGroupBox* box : findChildren<QGroupBox*>()) {
        if (box->title() == QFontDialog::tr("Effects"))
            box->hide();
        else if (box->title() == QFontDialog::tr("Sample"))
            showSampleIn(box);
    }
}

void CFontSizeDlg::showSampleIn(QGroupBox* box)
{
    // The toolkit's own sample is a line box that takes no room of its own: without the
    // effects beside it, it shrinks to a sliver, and a large size scrolls the text out of
    // sight. The sample text is shown centred instead, cut at the edges when it is large.
    auto* lineBox = box->findChild<QLineEdit*>();
    if (!lineBox || !box->layout())
        return;
    lineBox->hide();
    auto* sample = new QLabel(lineBox->text(), box);
    sample->setObjectName(QStringLiteral("fontSample"));
    sample->setAlignment(Qt::AlignCenter);
    sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sample->setMinimumHeight(6 * sample->fontMetrics().height());
    sample->setFont(currentFont());
    box->layout()->addWidget(sample);
    connect(this, &QFontDialog::currentFontChanged, sample, &QLabel::setFont);
}

void CFontSizeDlg::accept()
{
    const QFont picked = currentFont();
    const qreal points = picked.pointSizeF();
    if (points < kMinPoints || points > kMaxPoints) {
        m_messages.warn(QStringLiteral("Size must be between %1 and %2 points.")
                            .arg(kMinPoints)
                            .arg(kMaxPoints));
        return;
    }
    logFont = FromQFont(picked, m_dpiY);
    QFontDialog::accept();
}
