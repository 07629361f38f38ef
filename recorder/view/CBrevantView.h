#pragma once

#include "recorder/view/ListingLayout.h"
#include "recorder/view/TipDisplay.h"
#include "recorder/view/TipViewAccessible.h"

#include <QAbstractScrollArea>
#include <memory>

class CBrevantDoc;
class CMainFrame;
class FormatCommands;
class FormatDialogs;
class ListingBlocks;
class TipNavigator;

// The recorder's view: paints the Tip on display (or a listing) in the user's font,
// colours and alignment, optionally headed by the Tip-number line, and scrolls it
// vertically a line or a page at a time, Home and End to the top and the bottom. A text
// or listing of any length is laid out only where it is shown (ListingLayout); the
// scroll bar counts in steps of several pixels where the text is taller than it can count. It loads
// a chosen Tip into the window and the status bar (ShowCurrentTip), clears the window on request,
// turns a left click into Next when clicking is enabled, and carries the Format and navigation
// commands.
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
    void showAllTips() override;

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
    float m_fScreenPxPerMm = 0;

    // The first and last lines the window shows now.
    ListingLayout::ShownLines shownLines();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The scroll bar's value is followed in scrollToBar.
    void scrollContentsBy(int, int) override {}

  private:
    void setStatusTexts(const QString& number, const std::string& date,
                        const std::string& category);
    // Lays the content out anew when it, its head or its format changed since the last
    // paint: a repaint that changes nothing lays out nothing.
    void syncLayout();
    bool contentChanged(const std::string& head) const;
    void openContent(std::string head);
    // Shows the scroll bar once the text is taller than the window; opening content
    // decides it first so the text is laid out at the width it is shown at.
    bool fitScrollBarShown();
    ListingLayout::Format currentFormat() const;
    void updateScrollSizes();
    void scrollToBar(int value);
    void scrollTo(std::int64_t top);
    void firstPaint();
    void repaintAll();
    // Tells a screen reader, when one listens, that the shown text changed.
    void announceShownText();

    CBrevantDoc& m_doc;
    CMainFrame& m_frame;
    std::unique_ptr<FormatDialogs> m_dialogs;
    std::unique_ptr<FormatCommands> m_format;
    std::unique_ptr<TipNavigator> m_navigator;
    std::unique_ptr<ListingBlocks> m_content;
    ListingLayout m_listing;
    // What the layout was opened for, to notice a text changed behind the view's back.
    std::string m_shownHead;
    QString m_announcedText;
    int m_shownListedTips = 0;
    const char* m_shownTextData = nullptr;
    std::size_t m_shownTextSize = 0;
    std::string m_shownShortText; // texts up to kComparedBytes long
    bool m_contentStale = true;
    bool m_openAtTop = false;
    int m_viewHeight = -1;
    // Pixels per step of the scroll bar: 1 until the text is too tall for an int.
    std::int64_t m_barScale = 1;
    bool m_settingBar = false;
};
