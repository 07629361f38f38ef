#include "recorder/view/ReportCommands.h"

#include "common/TipReport.h"
#include "common/TipsAsText.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/TipCollection.h"
#include "recorder/dialogs/report/ReportDialogs.h"

ReportCommands::ReportCommands(const TipCollection& tips, Messages& messages,
                               std::unique_ptr<ReportDialogs> dialogs, QObject* owner)
    : QObject(owner), m_tips(tips), m_messages(messages), m_dialogs(std::move(dialogs))
{
}

ReportCommands::~ReportCommands() = default;

void ReportCommands::Report()
{
    m_dialogs->showReport(BuildReport(m_tips.list()));
}

void ReportCommands::SaveTipsAsText()
{
    const std::optional<std::string> path = m_dialogs->chooseTextFile();
    if (!path)
        return;
    std::string error;
    {
        WaitCursor busy;
        error = WriteTipsAsText(m_tips.list(), *path);
    }
    if (!error.empty())
        m_messages.stop(QStringLiteral("The Tips could not be saved as text.\n\n%1")
                            .arg(QString::fromLocal8Bit(error)));
}

void ReportCommands::attach(CommandRegistry& commands)
{
    commands.setHandler(CommandId::Report, [this] { Report(); });
    commands.setHandler(CommandId::SaveAsText, [this] { SaveTipsAsText(); });
    commands.setStateRule(CommandId::SaveAsText,
                          [this] { return CommandState{!m_tips.isEmpty()}; });
}
