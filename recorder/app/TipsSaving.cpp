#include "recorder/app/TipsSaving.h"

#include "common/FirstLineCheck.h"
#include "common/TipsFormat.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/data/RecorderSettings.h"

namespace {

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
    RecorderServices& services = doc.services();
    const std::string path = doc.TipsFilePath();
    const QString shownPath = QString::fromLocal8Bit(path.c_str());
    const std::uint32_t check = CheckTipsFile(path);
    if (check == kCheckError)
        return {SaveOutcome::Failed,
                Failure(shownPath, QString::fromLocal8Bit(WhyUnusable(path).c_str()))};
    if (check == kCheckForeign &&
        !Confirm(services.messages,
                 QStringLiteral("The file \"PennivelTips\" is either corrupted or is not an "
                                "original Pennivel file.\nSaving your changes will overwrite "
                                "it.\n\nContinue saving?")))
        return {SaveOutcome::Declined, {}};
    if (check == kCheckFound && !doc.m_bTipsFileKnown &&
        !Confirm(services.messages,
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
        if (!Confirm(services.messages,
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

bool RunClosingSteps(CBrevantDoc& doc, bool modified)
{
    RecorderServices& services = doc.services();
    services.settings.write(Key::TipAtClosing, doc.m_CurrentTip);
    services.settings.write(Key::TipClosing, doc.m_TipShown ? 1 : 0);
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
