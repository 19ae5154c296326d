#include "common/messages.h"

namespace ventrix {
namespace {

// Used when no window system is there (the command-line tool without a terminal prompt):
// every box takes its default answer.
class DefaultAnswers : public MessageService
{
public:
    Answer show(const Message& message) override { return message.defaultAnswer; }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};

DefaultAnswers g_defaultAnswers;
MessageService* g_service = &g_defaultAnswers;

}

MessageService& MessageService::instance()
{
    return *g_service;
}

void MessageService::install(MessageService* service)
{
    g_service = service ? service : &g_defaultAnswers;
}

void inform(const QString& text, MessageIcon icon, const QString& title)
{
    MessageService::instance().show({ text, title, icon, MessageButtons::Ok, Answer::Ok, 0 });
}

void warn(const QString& text, const QString& title)
{
    inform(text, MessageIcon::Warning, title);
}

void fail(const QString& text, const QString& title)
{
    inform(text, MessageIcon::Critical, title);
}

bool askYesNo(const QString& text, MessageIcon icon, bool defaultYes, int helpContext, const QString& title)
{
    const Message message { text, title, icon, MessageButtons::YesNo, defaultYes ? Answer::Yes : Answer::No,
        helpContext };
    return MessageService::instance().show(message) == Answer::Yes;
}

bool askOkCancel(const QString& text, const QString& title)
{
    const Message message { text, title, MessageIcon::Question, MessageButtons::OkCancel, Answer::Ok, 0 };
    return MessageService::instance().show(message) == Answer::Ok;
}

std::optional<QString> askText(const QString& title, const QString& prompt, const QString& proposed)
{
    return MessageService::instance().askText(title, prompt, proposed);
}

}
