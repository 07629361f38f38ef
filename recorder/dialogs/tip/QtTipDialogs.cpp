#include "recorder/dialogs/tip/QtTipDialogs.h"

#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/saver/CSaverSettingsDlg.h"
#include "recorder/dialogs/tip/CAddTipDlg.h"
#include "recorder/dialogs/tip/CDeleteTipNumberDlg.h"
#include "recorder/dialogs/tip/CEditTipDlg.h"

QtTipDialogs::QtTipDialogs(QWidget* parent, Messages& messages, const Clock& clock,
                           RecorderSettings& settings, std::function<std::string()> dataDirectory)
    : m_parent(parent), m_messages(messages), m_clock(clock), m_settings(settings),
      m_dataDirectory(std::move(dataDirectory))
{
}

std::vector<Tip> QtTipDialogs::runAdd(int tipCount, const TipCollection& tips)
{
    CAddTipDlg dialog(m_parent, tipCount, tips,
                      {m_messages, m_clock, m_settings.read(Key::DateFormat),
                       [this](int position) { m_settings.write(Key::DateFormat, position); }});
    dialog.exec(); // the result does not matter: Esc keeps what was added
    std::vector<Tip> added;
    if (!dialog.anyAdded)
        return added;
    for (int k = 0; k < dialog.addedCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        added.push_back({dialog.addedDates[i], dialog.addedCategories[i], dialog.addedTexts[i]});
    }
    return added;
}

std::optional<Tip> QtTipDialogs::runEdit(int tipNumber, const Tip& shown, int tipCount,
                                         const TipCollection& tips)
{
    CEditTipDlg dialog(m_parent, tipNumber, shown, tipCount, tips, m_messages, m_clock);
    if (dialog.exec() != QDialog::Accepted || !dialog.saved)
        return std::nullopt;
    return Tip{dialog.origDate, dialog.origCategory, dialog.origText};
}

std::optional<int> QtTipDialogs::runDeleteNumber(int tipCount)
{
    CDeleteTipNumberDlg dialog(m_parent, tipCount, m_messages);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.number;
}

void QtTipDialogs::runSaverSettings(int tipCount)
{
    CSaverSettingsDlg dialog(m_parent, tipCount, m_dataDirectory(), m_messages);
    dialog.exec(); // the dialog has written the file, or nothing, when it closes
}
