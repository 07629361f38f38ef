#pragma once

#include "platform/TextLayout.h"
#include "recorder/view/TipDisplay.h"
#include "recorder/view/TipViewAccessible.h"

#include <QAbstractScrollArea>
#include <memory>

class CBrevantDoc;
class CMainFrame;
class FormatCommands;
class FormatDialogs;
class TipNavigator;

// The recorder's view: paints the Tip on display (or a listing) in the user's font,
// colours and alignment, optionally headed by the Tip-number line, and scrolls it
// vertically a line or a page at a time. It loads a chosen Tip into the window and the
// status bar (ShowCurrentTip), clears the window on request, turns a left click into
// Next when clicking is enabled, and carries the Format and navigation commands.
class CBrevantView : public QAbstractScrollArea, public TipDisplay, public ShowsText {
    Q_OBJECT
  public:
    CBrevantView(CBrevantDoc& doc, CMainFrame& frame, std::unique_ptr<FormatDialogs> dialogs);
    ~CBrevantView() override;

    // TipDisplay
    void ShowCurrentTip() override;
    void emptyStatusTexts() override;
    void showListing(std::string listing, std::string statusDate,
                     std::string statusCategory) override;

    // Delete > Screen: only the background stays; no Tip is deleted.
    void OnClearScreen();

    // What the window shows, for screen readers: the Tip-number line when it is on, then
    // the Tip or the listing, with the line ends of this system.
    QString shownText() const override;
    // Ctrl+C: the Tip (or listing) on display, without its number line, to the clipboard.
    void copyShownTip() const;

    FormatCommands& formatCommands() { return *m_format; }
    // Next, Previous, Latest, At Closing, the order, Show All and the search hooks.
    TipNavigator& navigator() { return *m_navigator; }

    QString m_strTipLabel;
    QString m_strDisplay;
    float m_fScreenPxPerMm = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void setStatusTexts(const QString& number, const std::string& date,
                        const std::string& category);
    // Brings m_strDisplay up to date; the conversion is skipped while neither the text
    // nor its head changed, so a long listing repaints without re-reading it.
    void composeDisplay();
    void updateScrollSizes();
    void firstPaint();
    void repaintAll();
    // Tells a screen reader, when one listens, that the shown text changed.
    void announceShownText();

    CBrevantDoc& m_doc;
    CMainFrame& m_frame;
    std::unique_ptr<FormatDialogs> m_dialogs;
    std::unique_ptr<FormatCommands> m_format;
    std::unique_ptr<TipNavigator> m_navigator;
    TextLayout m_layout;
    std::string m_shownHead;
    std::string m_shownText;
    QString m_announcedText;
};
