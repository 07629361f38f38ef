#include "recorder/view/QtFormatDialogs.h"

#include "recorder/dialogs/format/CColorDlg.h"
#include "recorder/dialogs/format/CFontSizeDlg.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

int ScreenDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
}

template <typename Dialog> std::optional<ColorRef> PickColor(QWidget* parent)
{
    Dialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.color;
}

} // namespace

std::optional<LogFont> QtFormatDialogs::chooseFont(const LogFont& current)
{
    const int dpi = ScreenDpiY();
    CFontSizeDlg dialog(current, dpi, m_messages, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.logFont;
}

std::optional<ColorRef> QtFormatDialogs::chooseFontColor()
{
    return PickColor<CFontColorDlg>(m_parent);
}

std::optional<ColorRef> QtFormatDialogs::chooseBackgroundColor()
{
    return PickColor<CBackgroundColorDlg>(m_parent);
}
