#pragma once

#include "common/AtomicFile.h"
#include "platform/ColorRef.h"
#include "recorder/data/NavigationState.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CBrevantApp;
class DataDirectoryLock;
struct RecorderServices;
class QBrush;
class QFont;
struct LogFont;

// The recorder's document: the display settings, the Tip on display and the
// navigation state, and the start-up checks that must pass before any window opens.
// The Tips themselves belong to the application object.
class CBrevantDoc : public NavigationState {
  public:
    // Seeds the generator from the clock and reads every display setting.
    explicit CBrevantDoc(CBrevantApp& app);
    ~CBrevantDoc();
    CBrevantDoc(const CBrevantDoc&) = delete;
    CBrevantDoc& operator=(const CBrevantDoc&) = delete;

    // The start-up checks, the password gate, the Tips, the font and brush, and the
    // first Tip. On a failure the user has been told and the program is to end.
    // `whileTipsAreRead` runs on this thread while the Tips file is read on another.
    bool OnNewDocument(const std::function<void()>& whileTipsAreRead = {});

    int m_TipCount() const;
    std::string TipsFilePath() const;
    CBrevantApp& app() { return m_app; }
    const CBrevantApp& app() const { return m_app; }
    RecorderServices& services();

    // The data directory, its root's lone separator removed.
    std::string m_WindowsDir;

    std::string m_CurrentText;
    // While Show All is on display: it lists Tips 1..m_ListedTips, read from the
    // collection (m_CurrentText is empty then). 0 otherwise.
    int m_ListedTips = 0;
    std::string m_CurrentDate;
    std::string m_CurrentCategory;
    bool m_bFirstPaint = true;

    bool m_InfoAlwaysTip = true;
    bool m_DisableScreen = false;
    int m_Alignment = 1; // 1 centred, 0 left
    int m_nFontHeight = -64;
    int m_nFontWeight = 400;
    unsigned char m_FontItalic = 0;
    QString m_FontFaceName; // at most 31 characters
    ColorRef m_Color;
    ColorRef m_ColorBckgrnd;
    bool m_UsePassword = false;
    bool m_FirstTimePassword = false;

    // True while the Tips file holds nothing this run has not seen (it was read whole,
    // missing, empty, or written by this run), so a save may replace it without asking.
    bool m_bTipsFileKnown = false;
    // The version of the Tips file this run read or last wrote; a save asks before it
    // replaces any other version. Empty when this run has not seen the file.
    std::optional<FileIdentity> m_TipsFileIdentity;

    std::unique_ptr<LogFont> m_pLogFont;
    std::unique_ptr<QFont> m_pFont;
    std::unique_ptr<QBrush> m_pBackgroundBrush;

  private:
    void readSettings();
    bool fatal(const char* message);
    bool fatal(const QString& message);
    bool lockDataDirectory();
    bool runChecks(const std::function<void()>& whileTipsAreRead);
    bool passPasswordGate();
    bool loadTips(const std::function<void()>& whileTipsAreRead);
    void pickFirstTip();
    bool buildFontAndBrush();

    CBrevantApp& m_app;
    std::unique_ptr<DataDirectoryLock> m_pDataLock;
};
