#pragma once

#include <QObject>
#include <memory>

class CommandRegistry;
class Messages;
class ReportDialogs;
class TipCollection;

// Info > Report and Tip > Save Tips As Text: two read-only outputs of the Tip collection.
// A text file that cannot be written is reported by name and reason; an earlier file of
// that name is left as it was.
class ReportCommands : public QObject {
  public:
    ReportCommands(const TipCollection& tips, Messages& messages,
                   std::unique_ptr<ReportDialogs> dialogs, QObject* owner = nullptr);
    ~ReportCommands() override;

    void Report();
    void SaveTipsAsText();

    // Attaches both commands and their menu states.
    void attach(CommandRegistry& commands);

  private:
    const TipCollection& m_tips;
    Messages& m_messages;
    std::unique_ptr<ReportDialogs> m_dialogs;
};
