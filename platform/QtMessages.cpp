#include "platform/Messages.h"

#include "platform/MessageLines.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The box's own wrapping breaks at a fixed width and may leave one word alone on the
// last line; the lines are laid out here instead, and the box is kept from wrapping
// them again by giving its text at least their width.
void SetLines(QMessageBox& box, const QString& text)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    box.ensurePolished();
    const QFontMetrics metrics = label ? label->fontMetrics() : box.fontMetrics();
    int maxWidth = 90 * metrics.averageCharWidth();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        maxWidth = std::min(maxWidth, screen->availableGeometry().width() * 3 / 5);
    const QStringList lines = MessageLines(text, metrics, maxWidth);
    box.setText(lines.join(u'\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (label)
        label->setMinimumWidth(std::min(widest, maxWidth) + 2 * label->margin() + 1);
}

} // namespace

MessageAnswer QtMessages::show(const QString& text, MessageIcon icon, MessageButtons buttons,
                               const MessageOptions& options)
{
    QWidget* owner = options.noOwner ? nullptr : QApplication::activeWindow();
    QMessageBox box(ToQtIcon(icon), options.caption, QString(), ToQtButtons(buttons), owner);
    box.setWindowModality(Qt::ApplicationModal);
    // Texts name files and quote Tips; none of them is markup.
    box.setTextFormat(Qt::PlainText);
    SetLines(box, text);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}
