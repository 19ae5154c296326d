#include "cli/terminalmessages.h"

namespace ventrix::cli {

TerminalMessages::TerminalMessages(Context& context, Route route)
    : m_context(context)
    , m_route(route)
    , m_previous(&MessageService::instance())
{
    MessageService::install(this);
}

TerminalMessages::~TerminalMessages()
{
    MessageService::install(m_previous);
}

Answer TerminalMessages::show(const Message& message)
{
    const bool problem = message.icon == MessageIcon::Warning || message.icon == MessageIcon::Critical;
    if (m_route == Route::AllToErr || (m_route == Route::ProblemsToErr && problem))
        m_context.err << message.text << '\n';
    else if (m_route == Route::ProblemsToErr)
        m_context.out << message.text << '\n';
    return message.defaultAnswer;
}

}
