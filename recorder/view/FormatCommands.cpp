#include "recorder/view/FormatCommands.h"

#include "platform/Messages.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/view/FormatDialogs.h"

#include <QBrush>
#include <QFont>
#include <new>

FormatCommands::FormatCommands(CBrevantDoc& doc, RecorderSettings& settings, Messages& messages,
                               FormatDialogs& dialogs, std::function<void()> updateAllViews)
    : m_doc(doc), m_settings(settings), m_messages(messages), m_dialogs(dialogs),
      m_updateAllViews(std::move(updateAllViews))
{
}

void FormatCommands::OnFont()
{
    const LogFont current = m_doc.m_pLogFont ? *m_doc.m_pLogFont : LogFont{};
    const std::optional<LogFont> chosen = m_dialogs.chooseFont(current);
    if (!chosen)
        return;
    m_doc.m_pLogFont = std::make_unique<LogFont>(*chosen);
    m_doc.m_nFontHeight = chosen->lfHeight;
    m_doc.m_nFontWeight = chosen->lfWeight;
    m_doc.m_FontItalic = chosen->lfItalic;
    m_doc.m_FontFaceName = chosen->lfFaceName;
    m_doc.m_pFont = std::make_unique<QFont>(ToQFont(*chosen));
    m_updateAllViews();
    m_settings.write(Key::FontHeight, chosen->lfHeight);
    m_settings.write(Key::FontWeight, chosen->lfWeight);
    m_settings.write(Key::FontFaceName, chosen->lfFaceName.toLocal8Bit().toStdString());
    m_settings.write(Key::FontItalic, chosen->lfItalic ? "y" : "");
}

void FormatCommands::OnFontColor()
{
    const std::optional<ColorRef> chosen = m_dialogs.chooseFontColor();
    if (!chosen)
        return;
    m_doc.m_Color = *chosen;
    m_updateAllViews();
    m_settings.write(Key::Color, chosen->toDecimal());
}

void FormatCommands::OnBackground()
{
    const std::optional<ColorRef> chosen = m_dialogs.chooseBackgroundColor();
    if (!chosen)
        return;
    m_doc.m_ColorBckgrnd = *chosen;
    m_doc.m_pBackgroundBrush.reset();
    try {
        m_doc.m_pBackgroundBrush = std::make_unique<QBrush>(chosen->toQColor());
    } catch (const std::bad_alloc&) {
        m_messages.stop(QStringLiteral("CBrush Error."));
    }
    m_updateAllViews();
    m_settings.write(Key::ColorBackground, chosen->toDecimal());
}

void FormatCommands::setAlignment(int alignment)
{
    m_doc.m_Alignment = alignment;
    m_updateAllViews();
    m_settings.write(Key::Alignment, alignment);
}

void FormatCommands::OnShowTipNumber()
{
    m_doc.m_InfoAlwaysTip = !m_doc.m_InfoAlwaysTip;
    m_updateAllViews();
    m_settings.write(Key::InfoAlwaysTip, m_doc.m_InfoAlwaysTip ? 1 : 0);
}

void FormatCommands::OnEnableClick()
{
    // Only what a click does changes; the window looks the same.
    m_doc.m_DisableScreen = !m_doc.m_DisableScreen;
    m_settings.write(Key::DisableScreen, m_doc.m_DisableScreen ? 1 : 0);
}

void FormatCommands::attach(CommandRegistry& commands)
{
    commands.setHandler(CommandId::Font, [this] { OnFont(); });
    commands.setHandler(CommandId::FontColor, [this] { OnFontColor(); });
    commands.setHandler(CommandId::Background, [this] { OnBackground(); });
    commands.setHandler(CommandId::AlignLeft, [this] { OnAlignLeft(); });
    commands.setHandler(CommandId::AlignCenter, [this] { OnAlignCenter(); });
    commands.setHandler(CommandId::ShowTipNumber, [this] { OnShowTipNumber(); });
    commands.setHandler(CommandId::EnableClick, [this] { OnEnableClick(); });
    commands.setStateRule(CommandId::AlignLeft, [this] {
        return CommandState{true, m_doc.m_Alignment == 0};
    });
    commands.setStateRule(CommandId::AlignCenter, [this] {
        return CommandState{true, m_doc.m_Alignment == 1};
    });
    commands.setStateRule(CommandId::ShowTipNumber, [this] {
        return CommandState{true, m_doc.m_InfoAlwaysTip};
    });
    commands.setStateRule(CommandId::EnableClick, [this] {
        return CommandState{true, !m_doc.m_DisableScreen};
    });
}
