#include "recorder/app/CBrevantDoc.h"

#include "common/Clock.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/RandomTipPick.h"
#include "common/RunBeside.h"
#include "common/SaveJournal.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "platform/DataDirectoryLock.h"
#include "platform/LogFont.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/RegistryError.h"
#include "recorder/dialogs/password/PasswordDialogs.h"

#include <QBrush>
#include <QFont>
#include <cstring>
#include <new>

namespace {

constexpr const char* kWinDirError = "WinDir Error!";
constexpr const char* kSaverFileError =
    "File Pennivel159.ini error.\n\nYou may need to reinstall the software.";

} // namespace

CBrevantDoc::CBrevantDoc(CBrevantApp& app) : m_app(app)
{
    TimeSeed(services().random, services().clock);
    m_bTipCommandsEnabled = true;
    m_bClearEnabled = true;
    readSettings();
}

CBrevantDoc::~CBrevantDoc() = default;

RecorderServices& CBrevantDoc::services()
{
    return m_app.services();
}

int CBrevantDoc::m_TipCount() const
{
    return m_app.m_Tips.count();
}

std::string CBrevantDoc::TipsFilePath() const
{
    return m_WindowsDir + "/" + kTipsFileName;
}

void CBrevantDoc::readSettings()
{
    const RecorderSettings& settings = services().settings;
    m_TipClosing = settings.read(Key::TipClosing) != 0;
    m_InfoAlwaysTip = settings.read(Key::InfoAlwaysTip) != 0;
    m_DisableScreen = settings.read(Key::DisableScreen) != 0;
    m_Alignment = settings.read(Key::Alignment);
    m_nFontHeight = settings.read(Key::FontHeight);
    m_nFontWeight = settings.read(Key::FontWeight);
    const std::string face = settings.read(Key::FontFaceName);
    LogFont cut; // cuts at 31 characters, never inside one
    cut.setFaceName(QString::fromLocal8Bit(face.data(), static_cast<qsizetype>(face.size())));
    m_FontFaceName = cut.lfFaceName;
    m_FontItalic = settings.read(Key::FontItalic).empty() ? 0 : 1;
    m_Color = ColorRef::fromDecimal(settings.read(Key::Color));
    m_ColorBckgrnd = ColorRef::fromDecimal(settings.read(Key::ColorBackground));
    for (std::size_t i = 0; i < Key::SearchTexts.size(); ++i)
        m_app.m_SearchWords[i] = settings.read(Key::SearchTexts[i]);
    m_UsePassword = settings.read(Key::UsePassword) != 0;
}

bool CBrevantDoc::fatal(const char* message)
{
    return fatal(QString::fromLatin1(message));
}

bool CBrevantDoc::fatal(const QString& message)
{
    const NormalCursor pointer;
    MessageOptions options;
    options.noOwner = true;
    Messages& messages = services().messages;
    messages.show(message, MessageIcon::Stop, MessageButtons::Ok, options);
    messages.show(QStringLiteral("Program will terminate."), MessageIcon::Stop, MessageButtons::Ok,
                  options);
    return false;
}

bool CBrevantDoc::OnNewDocument(const std::function<void()>& whileTipsAreRead)
{
    const WaitCursor wait;
    return runChecks(whileTipsAreRead);
}

bool CBrevantDoc::runChecks(const std::function<void()>& whileTipsAreRead)
{
    m_WindowsDir = services().dataDirectory();
    if (m_WindowsDir.empty())
        return fatal(kWinDirError);
    m_WindowsDir = WithoutRootSeparator(m_WindowsDir);
    if (!lockDataDirectory())
        return false;
    if (CheckSettingsFile(m_WindowsDir + "/" + kSaverSettingsFileName) != kCheckFound)
        return fatal(kSaverFileError);
    if (!passPasswordGate())
        return false;
    if (m_WindowsDir.size() + 1 + std::strlen(kTipsFileName) > kMaxPathLength)
        return fatal(kWinDirError);
    if (!loadTips(whileTipsAreRead))
        return false;
    pickFirstTip();
    return buildFontAndBrush();
}

bool CBrevantDoc::lockDataDirectory()
{
    m_pDataLock = std::make_unique<DataDirectoryLock>(m_WindowsDir);
    if (m_pDataLock->state() != DataDirectoryLock::State::HeldByOther)
        return true;
    // Two recorders on one Tips file would each save their own Tips over the other's.
    const std::string& holder = m_pDataLock->holder();
    return fatal(QStringLiteral("The Tips in \"%1\" are in use by %2. Close it there first.")
                     .arg(QString::fromLocal8Bit(m_WindowsDir.c_str()),
                          holder.empty() ? QStringLiteral("Pennivel in another session")
                                         : QString::fromLocal8Bit(holder.c_str())));
}

bool CBrevantDoc::passPasswordGate()
{
    RecorderSettings& settings = services().settings;
    switch (settings.read(Key::FirstTimePassword)) {
    case 0: m_FirstTimePassword = false; break;
    case 1: m_FirstTimePassword = true; break;
    default: return fatal(kRegistryError);
    }
    if (!m_UsePassword)
        return true;
    if (m_FirstTimePassword) {
        m_UsePassword = false;
        settings.write(Key::UsePassword, 0);
        return true;
    }
    const NormalCursor pointer;
    if (!services().passwordDialogs.askStartupPassword(settings.read(Key::Password)))
        return false;
    TimeSeed(services().random, services().clock);
    return true;
}

bool CBrevantDoc::loadTips(const std::function<void()>& whileTipsAreRead)
{
    RecorderServices& s = services();
    const std::string path = TipsFilePath();
    RemoveLeftoverNewFiles(path);
    RecoverInterruptedSave(path);
    const char* warning = nullptr;
    switch (CheckTipsFile(path)) {
    case kCheckMissing: {
        m_app.m_Tips = TipCollection(DefaultTips());
        // A file that cannot be written now is reported by the save that needs it.
        const SaveResult saved = SaveTipsFile(path, m_app.m_Tips.list(), s.random, s.clock);
        if (saved.ok)
            m_TipsFileIdentity = saved.written;
        m_bTipsFileKnown = true;
        break;
    }
    case kCheckFound:
    case kCheckForeign: {
        // Taken before reading, so a change made while the file is read is noticed too.
        const std::optional<FileIdentity> identity = IdentityOf(path);
        LoadedTips content;
        bool opened = false;
        RunBeside([&] { opened = ReadStoredTips(path, content); },
                  [&] {
                      if (whileTipsAreRead)
                          whileTipsAreRead();
                  });
        if (!opened)
            return fatal("fopen Error!");
        // Seeded as after a whole load: the texts are decoded with a generator of
        // their own, so the first pick draws what it always drew.
        TimeSeed(s.random, s.clock);
        m_app.m_Tips = TipCollection::withStoredTexts(std::move(content.tips));
        m_bTipsFileKnown = !content.readError;
        if (m_bTipsFileKnown)
            m_TipsFileIdentity = identity;
        else
            warning = "The Tips file \"%1\" could not be read to its end; only the Tips "
                      "before the damage are shown.\n\nPennivel will ask before it saves "
                      "over that file.";
        break;
    }
    case kCheckEmpty:
        m_bTipsFileKnown = true;
        m_TipsFileIdentity = IdentityOf(path);
        break;
    default:
        // Starting silently would let Tips added now vanish at exit, and a later save
        // could replace every Tip in the file; say so and guard the file instead.
        m_bTipsFileKnown = false;
        warning = "The Tips file \"%1\" cannot be used: Pennivel needs to both read and "
                  "write it.\n\nPennivel starts without Tips, and will ask before it saves "
                  "over that file.";
    }
    if (warning) {
        const NormalCursor pointer;
        s.messages.show(QString::fromLatin1(warning).arg(QString::fromLocal8Bit(path.c_str())),
                        MessageIcon::Exclamation);
    }
    return true;
}

void CBrevantDoc::pickFirstTip()
{
    m_bLastWasPrevious = false;
    if (m_TipCount() == 0) {
        m_CurrentText.clear();
        m_ListedTips = 0;
        m_bTipCommandsEnabled = false;
        m_bClearEnabled = false;
        return;
    }
    startWith(PickRandomTip(services().random, m_TipCount()));
    // Only this Tip is shown first; the others are decoded meanwhile.
    const Tip tip = m_app.m_Tips.decodeFirst(m_CurrentTip);
    m_CurrentDate = tip.date;
    m_CurrentCategory = tip.category;
    m_CurrentText = tip.text;
    m_ListedTips = 0;
}

bool CBrevantDoc::buildFontAndBrush()
{
    // Running out of memory here is the one failure met as an exception.
    try {
        m_pLogFont = std::make_unique<LogFont>();
    } catch (const std::bad_alloc&) {
        return fatal("LOGFONT Error.");
    }
    m_pLogFont->lfHeight = m_nFontHeight;
    m_pLogFont->lfWeight = m_nFontWeight;
    m_pLogFont->lfItalic = m_FontItalic;
    m_pLogFont->setFaceName(m_FontFaceName);
    try {
        m_pFont = std::make_unique<QFont>(ToQFont(*m_pLogFont));
    } catch (const std::bad_alloc&) {
        m_pLogFont.reset();
        return fatal("CFont Error.");
    }
    try {
        m_pBackgroundBrush = std::make_unique<QBrush>(m_ColorBckgrnd.toQColor());
    } catch (const std::bad_alloc&) {
        m_pFont.reset();
        m_pLogFont.reset();
        return fatal("CBrush Error.");
    }
    return true;
}
