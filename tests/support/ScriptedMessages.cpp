#include "tests/support/ScriptedMessages.h"

MessageAnswer ScriptedMessages::show(const QString& text, MessageIcon icon, MessageButtons buttons,
                                     const MessageOptions& options)
{
    m_shown.push_back({text, icon, buttons, options});
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case MessageButtons::YesNoCancel:
    case MessageButtons::OkCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::Ok: return MessageAnswer::Ok;
    }
    return MessageAnswer::Ok;
}

QStringList ScriptedMessages::texts() const
{
    QStringList result;
    for (const Shown& s : m_shown)
        result << s.text;
    return result;
}
