#pragma once

#include "common/messages.h"

#include <QList>
#include <QString>

#include <deque>

namespace ventrix::test {

// Answers message boxes from a queue and records every box shown; installs itself while alive.
class ScriptedMessages : public MessageService
{
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    // The next question is answered with this; unanswered boxes take their default answer.
    void answer(Answer a) { m_answers.push_back(a); }
    void answerText(std::optional<QString> text) { m_texts.push_back(std::move(text)); }

    Answer show(const Message& message) override;
    std::optional<QString> askText(
        const QString& title, const QString& prompt, const QString& proposed) override;

    const QList<Message>& shown() const { return m_shown; }
    // The texts input boxes proposed, in order.
    const QStringList& proposals() const { return m_proposals; }
    QStringList texts() const;
    QString last() const { return m_shown.isEmpty() ? QString() : m_shown.back().text; }
    void clear() { m_shown.clear(); }

private:
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_texts;
    QList<Message> m_shown;
    QStringList m_proposals;
};

}
