#include "scriptedmessages.h"

namespace ventrix::test {

ScriptedMessages::ScriptedMessages()
{
    MessageService::install(this);
}

ScriptedMessages::~ScriptedMessages()
{
    MessageService::install(nullptr);
}

Answer ScriptedMessages::show(const Message& message)
{
    m_shown.append(message);
    if (m_answers.empty() || message.buttons == MessageButtons::Ok)
        return message.defaultAnswer;
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

std::optional<QString> ScriptedMessages::askText(
    const QString& title, const QString& prompt, const QString& proposed)
{
    m_proposals.append(proposed);
    m_shown.append({ prompt, title, MessageIcon::Question, MessageButtons::OkCancel, Answer::Ok, 0 });
    if (m_texts.empty())
        return std::nullopt;
    auto t = m_texts.front();
    m_texts.pop_front();
    return t;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Message& m : m_shown)
        out << m.text;
    return out;
}

}
