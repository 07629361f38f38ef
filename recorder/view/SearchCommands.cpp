#include "recorder/view/SearchCommands.h"

#include "common/TipSearch.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/search/QtSearchDialogs.h"
#include "recorder/view/TipNavigator.h"

SearchCommands::SearchCommands(CBrevantDoc& doc, TipNavigator& navigator, QWidget* dialogParent,
                               QObject* owner)
    : QObject(owner), m_doc(doc), m_navigator(navigator),
      m_ownDialogs(std::make_unique<QtSearchDialogs>(dialogParent, doc.services().messages)),
      m_dialogs(m_ownDialogs.get())
{
}

SearchCommands::SearchCommands(CBrevantDoc& doc, TipNavigator& navigator, SearchDialogs& dialogs,
                               QObject* owner)
    : QObject(owner), m_doc(doc), m_navigator(navigator), m_dialogs(&dialogs)
{
}

SearchCommands::~SearchCommands() = default;

void SearchCommands::attach(CommandRegistry& registry)
{
    registry.setHandler(CommandId::SearchCategory, [this] { SearchCategory(); });
    registry.setHandler(CommandId::SearchDate, [this] { SearchDate(); });
    registry.setHandler(CommandId::SearchText, [this] { SearchText(); });
    registry.setHandler(CommandId::SearchNumber, [this] { SearchNumber(); });
}

void SearchCommands::SearchCategory()
{
    show(m_dialogs->runCategorySearch(m_doc.m_TipCount(), m_doc.app().m_Tips),
         SearchField::Category);
}

void SearchCommands::SearchDate()
{
    show(m_dialogs->runDateSearch(m_doc.m_TipCount(), m_doc.app().m_Tips), SearchField::Date);
}

void SearchCommands::SearchText()
{
    std::vector<std::string>& words = m_doc.app().m_SearchWords;
    const std::optional<FieldSearchAnswer> answer =
        m_dialogs->runTextSearch(m_doc.m_TipCount(), m_doc.app().m_Tips, words);
    RecorderSettings& settings = m_doc.services().settings;
    for (std::size_t i = 0; i < Key::SearchTexts.size() && i < words.size(); ++i)
        settings.write(Key::SearchTexts[i], words[i]);
    show(answer, SearchField::Text);
}

void SearchCommands::SearchNumber()
{
    m_navigator.ShowTipByNumber(
        [this](int tipCount) { return m_dialogs->runNumberSearch(tipCount); });
}

void SearchCommands::show(std::optional<FieldSearchAnswer> answer, SearchField field)
{
    if (!answer)
        return;
    SearchOutcome outcome{answer->lastFound, std::move(answer->resultText), {}, {}};
    if (field == SearchField::Date)
        outcome.searchedDate = std::move(answer->searchText);
    else if (field == SearchField::Category)
        outcome.searchedCategory = std::move(answer->searchText);
    m_navigator.ShowSearchResult(outcome);
}
