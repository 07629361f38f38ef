#pragma once

#include "recorder/dialogs/search/SearchDialogs.h"

#include <QObject>
#include <memory>
#include <optional>

class CBrevantDoc;
class CommandRegistry;
class QWidget;
class TipNavigator;
enum class SearchField;

// Search > Category, Date, Text and Number: opens the dialog and hands what it found to
// the navigator, which shows a single hit as the current Tip and several as a listing.
// After the text search the ten recent searches go to the settings, however the dialog
// was closed. The menu states come with the navigation commands.
class SearchCommands : public QObject {
  public:
    // The real dialogs, parented to `dialogParent`.
    SearchCommands(CBrevantDoc& doc, TipNavigator& navigator, QWidget* dialogParent,
                   QObject* owner);
    // A test hands in scripted dialogs.
    SearchCommands(CBrevantDoc& doc, TipNavigator& navigator, SearchDialogs& dialogs,
                   QObject* owner = nullptr);
    ~SearchCommands() override;

    void attach(CommandRegistry& registry);

    void SearchCategory();
    void SearchDate();
    void SearchText();
    void SearchNumber();

  private:
    void show(std::optional<FieldSearchAnswer> answer, SearchField field);

    CBrevantDoc& m_doc;
    TipNavigator& m_navigator;
    std::unique_ptr<SearchDialogs> m_ownDialogs;
    SearchDialogs* m_dialogs;
};
