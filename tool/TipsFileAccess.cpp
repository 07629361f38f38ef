#include "tool/TipsFileAccess.h"

#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/PrivateDirectory.h"
#include "common/SaveJournal.h"
#include "common/TipsFormat.h"
#include "platform/DataDirectory.h"
#include "platform/DataDirectoryLock.h"
#include "platform/SingleInstance.h"
#include "tool/ToolExit.h"

namespace {

// The recorder's single-instance lock is named after its program file.
constexpr const char* kRecorderInstanceName = "Pennivel";

// Names who keeps the Tips busy: another pennivel-tool ends by itself, a recorder has
// to be closed first, or it would save its own Tips over these changes.
void SayWhoHoldsTheTips(const std::string& holder, std::ostream& err)
{
    if (holder.starts_with("pennivel-tool"))
        err << "pennivel-tool: the Tips are being changed by " << holder
            << "; try again when it has finished\n";
    else
        err << "pennivel-tool: Pennivel is running" << (holder.empty() ? "" : " (" + holder + ")")
            << "; close it first, or it would save its own Tips over these changes\n";
}

// Checks that `file` can be read (shown) or written back (changed): kExitOk when it can,
// with `found` telling whether it holds Tips to read.
int CheckTipsFileFor(const std::string& file, bool missingIsEmpty, bool forWriting,
                     std::ostream& err, bool& found)
{
    RecoverInterruptedSave(file);
    const std::uint32_t code = forWriting ? CheckTipsFile(file) : CheckTipsFileForReading(file);
    found = code == kCheckFound;
    if (code == kCheckEmpty || (code == kCheckMissing && missingIsEmpty))
        return kExitOk;
    if (code == kCheckForeign) {
        err << "pennivel-tool: " << file << " is not a Tips file; it is left as it is\n";
        return kExitBadData;
    }
    if (!found) {
        err << "pennivel-tool: cannot " << (forWriting ? "change " : "read ") << file << ": "
            << (code == kCheckError ? WhyUnusable(file) : DescribeTipsCheck(code)) << "\n";
        return kExitIoError;
    }
    return kExitOk;
}

int SayReadStoppedEarly(const std::string& file, std::ostream& err)
{
    err << "pennivel-tool: reading " << file << " stopped early on an error\n";
    return kExitIoError;
}

// Reads the Tips of `file` for a command that shows them.
int ReadTipsFile(const std::string& file, TipList& tips, bool missingIsEmpty, std::ostream& err,
                 TextsRead texts)
{
    bool found = false;
    if (const int status = CheckTipsFileFor(file, missingIsEmpty, false, err, found);
        status != kExitOk || !found)
        return status;
    LoadedTips content;
    const bool read = texts == TextsRead::Decoded
                          ? LoadTipsFile(file, content, ProcessRandom(), SystemClock())
                          : ReadStoredTips(file, content);
    if (!read) {
        err << "pennivel-tool: cannot read " << file << ": " << WhyUnusable(file) << "\n";
        return kExitIoError;
    }
    if (content.readError)
        return SayReadStoppedEarly(file, err);
    tips = std::move(content.tips);
    return kExitOk;
}

} // namespace

bool DefaultFile(const char* fileName, std::string& file, std::ostream& err)
{
    const std::string directory = DataDirectory();
    file = DataFilePath(directory, fileName);
    if (!directory.empty() && file.size() <= kMaxPathLength)
        return true;
    err << "pennivel-tool: the data directory path is too long (at most " << kMaxPathLength
        << " characters with the file name): set PENNIVEL_DIR to a shorter path\n";
    return false;
}

int ReadDataTips(TipList& tips, bool missingIsEmpty, std::ostream& err, TextsRead texts)
{
    std::string file;
    if (!DefaultFile(kTipsFileName, file, err))
        return kExitIoError;
    return ReadTipsFile(file, tips, missingIsEmpty, err, texts);
}

TipsWriteSession::TipsWriteSession() = default;
TipsWriteSession::~TipsWriteSession() = default;

int TipsWriteSession::begin(std::ostream& err)
{
    if (!DefaultFile(kTipsFileName, m_file, err))
        return kExitIoError;
    const std::string directory = DataDirectory();
    MakeDirectories(directory);
    // Held until the save is done: a recorder that starts meanwhile finds the Tips busy
    // rather than loading the file we are about to replace.
    m_instance = std::make_unique<SingleInstance>(QString::fromLatin1(kRecorderInstanceName));
    if (!m_instance->claim()) {
        SayWhoHoldsTheTips(m_instance->holder().toStdString(), err);
        return kExitRecorderRunning;
    }
    m_directoryLock = std::make_unique<DataDirectoryLock>(directory);
    if (m_directoryLock->state() == DataDirectoryLock::State::HeldByOther) {
        SayWhoHoldsTheTips(m_directoryLock->holder(), err);
        return kExitRecorderRunning;
    }
    m_readVersion = IdentityOf(m_file);
    bool found = false;
    return CheckTipsFileFor(m_file, true, true, err, found);
}

int TipsWriteSession::save(std::ostream& err)
{
    SaveOptions options;
    options.replaceOnlyIf = m_readVersion;
    const AppendResult result =
        AppendToTipsFile(m_file, m_added, ProcessRandom(), SystemClock(), options);
    m_count = result.keptTips + m_added.size();
    if (result.readFailed)
        return SayReadStoppedEarly(m_file, err);
    if (result.save.ok)
        return kExitOk;
    err << "pennivel-tool: cannot save the Tips: " << result.save.error << "\n";
    return kExitIoError;
}
