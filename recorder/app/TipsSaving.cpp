#include "recorder/app/TipsSaving.h"

#include "common/FirstLineCheck.h"
#include "common/TipsFormat.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/data/RecorderSettings.h"

#include <cstdio>

namespace {

// Stands in for the user when the session ends: the text goes to standard error and
// every question is declined, which leaves the file on disk untouched.
class UnattendedMessages : public Messages {
  public:
    MessageAnswer show(const QString& text, MessageIcon, MessageButtons buttons,
                       const MessageOptions&) override
    {
        const bool question = buttons != MessageButtons::Ok;
        std::fprintf(stderr, "Pennivel: %s%s\n",
                     question ? "the session is ending, so this was answered No: " : "",
                     text.toLocal8Bit().constData());
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
        case MessageButtons::OkCancel: return MessageAnswer::Cancel;
        }
        return MessageAnswer::Cancel;
    }
};

bool Confirm(Messages& messages, const QString& question)
{
    return messages.show(question, MessageIcon::Exclamation, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

QString Failure(const QString& path, const QString& why)
{
    return QStringLiteral("Your Tips could not be saved to \"%1\": %2.").arg(path, why);
}

} // namespace

SaveReport SaveTips(CBrevantDoc& doc)
{
    return SaveTips(doc, doc.services().messages);
}

SaveReport SaveTips(CBrevantDoc& doc, Messages& asking)
{
    RecorderServices& services = doc.services();
    const std::string path = doc.TipsFilePath();
    const QString shownPath = QString::fromLocal8Bit(path.c_str());
    const std::uint32_t check = CheckTipsFile(path);
    if (check == kCheckError)
        return {SaveOutcome::Failed,
                Failure(shownPath, QString::fromLocal8Bit(WhyUnusable(path).c_str()))};
    if (check == kCheckForeign &&
        !Confirm(asking,
                 QStringLiteral("The file \"PennivelTips\" is either corrupted or is not an "
                                "original Pennivel file.\nSaving your changes will overwrite "
                                "it.\n\nContinue saving?")))
        return {SaveOutcome::Declined, {}};
    if (check == kCheckFound && !doc.m_bTipsFileKnown &&
        !Confirm(asking,
                 QStringLiteral("The Tips file \"%1\" holds Tips that were not read when Pennivel "
                                "started. Saving will replace them with the Tips you have "
                                "now.\n\nContinue saving?")
                     .arg(shownPath)))
        return {SaveOutcome::Declined, {}};
    const TipList& tips = doc.app().m_Tips.list();
    // A foreign or vanished file was already dealt with above; any other must still be
    // the version this run read or wrote.
    SaveOptions options;
    if (check == kCheckFound || check == kCheckEmpty)
        options.replaceOnlyIf = doc.m_TipsFileIdentity;
    SaveResult result;
    {
        const WaitCursor wait;
        result = SaveTipsFile(path, tips, services.random, services.clock, options);
    }
    if (result.changedOnDisk) {
        if (!Confirm(asking,
                     QStringLiteral("The Tips file was changed by another program since Pennivel "
                                    "read it:\n%1\n\nSaving will replace that version with the "
                                    "Tips you have now.\n\nContinue saving?")
                         .arg(shownPath)))
            return {SaveOutcome::Declined, {}};
        const WaitCursor wait;
        result = SaveTipsFile(path, tips, services.random, services.clock);
    }
    if (!result.ok)
        return {SaveOutcome::Failed,
                Failure(shownPath, QString::fromLocal8Bit(result.error.c_str()))};
    doc.m_bTipsFileKnown = true;
    doc.m_TipsFileIdentity = result.written;
    return {};
}

namespace {

void RememberTipOnDisplay(CBrevantDoc& doc)
{
    RecorderSettings& settings = doc.services().settings;
    settings.write(Key::TipAtClosing, doc.m_CurrentTip);
    settings.write(Key::TipClosing, doc.m_TipShown ? 1 : 0);
}

} // namespace

bool RunClosingSteps(CBrevantDoc& doc, bool modified)
{
    RecorderServices& services = doc.services();
    RememberTipOnDisplay(doc);
    if (!modified)
        return true;
    const SaveReport report = SaveTips(doc);
    if (report.outcome != SaveOutcome::Failed)
        return true;
    return services.messages.show(report.problem +
                                      QStringLiteral("\n\nClose Pennivel anyway? The changes "
                                                     "since the last save will be lost."),
                                  MessageIcon::Stop, MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool RunClosingStepsUnattended(CBrevantDoc& doc, bool modified)
{
    RememberTipOnDisplay(doc);
    if (!modified)
        return true;
    UnattendedMessages unattended;
    const SaveReport report = SaveTips(doc, unattended);
    if (report.outcome == SaveOutcome::Failed)
        unattended.show(report.problem, MessageIcon::Stop, MessageButtons::Ok, {});
    return report.outcome == SaveOutcome::Saved;
}
