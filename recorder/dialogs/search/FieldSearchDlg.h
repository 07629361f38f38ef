#pragma once

#include "common/TipSearch.h"

#include <QDialog>
#include <string>
#include <vector>

class Messages;
class ComboBoxPick;
class QComboBox;
class QRadioButton;
class TipCollection;

// What the category, date and text searches share: a "Search Tips" dialog with one
// editable box and its list, "OR" / "AND" (OR on at opening), "&Search" and "&Cancel".
// A press of Search that finds Tips closes the dialog with the results in the public
// fields; one that finds none leaves it open after a message. The collection is only
// read.
class FieldSearchDlg : public QDialog {
    Q_OBJECT
  public:
    const int tipCount;
    QString searchText;             // the box as last read, at most 20 characters
    bool orMode = true;             // "OR" when the last search started
    std::vector<std::string> terms; // emptied at the end of every press
    std::string resultText;         // "\nTip #n\n" + date + text per hit
    int foundCount = 0;
    int lastFound = 0; // the hit when exactly one Tip matched, else 0
    bool found = false;

    void accept() override; // Search and Enter: one search

  protected:
    // `label` names the box ("Categories:"); `help` is its context help.
    FieldSearchDlg(QWidget* parent, int tipCount, const TipCollection& tips, Messages& messages,
                   const QString& label, const QString& help);

    virtual void search() = 0;

    // The category and date searches: a list entry picked and not edited since is
    // compared exactly; typed text is trimmed and searched word by word, and when
    // nothing is left `emptyMessage` is shown and the box emptied.
    void searchPickedOrTyped(SearchField field, const QString& emptyMessage);
    // Searches the words of searchText; closes on a hit, else says "Text not found.".
    void searchWords(SearchField field);

    // Reads the box into searchText; false (after saying so) when it holds more than 20
    // characters.
    bool readBox();
    // The list entry the user picked, unless the box was edited since; -1 otherwise.
    int pickedIndex() const;
    void warn(const QString& message);
    void emptyBox();
    // Fills the list; `current` is selected, as if picked, when it is a position in it.
    void setList(const QStringList& entries, int current = -1);
    QComboBox* box() const { return m_box; }

  private:
    // Runs `scan` under the wait cursor and closes with its result when it found Tips.
    template <class Scan> void runSearch(Scan&& scan);

    const TipList& m_tips;
    std::size_t m_searched;
    Messages& m_messages;
    QComboBox* m_box;
    QRadioButton* m_or;
    ComboBoxPick* m_pick;
};

// The bytes of a box text, in the encoding the Tips are stored in.
std::string StoredBytes(const QString& text);
