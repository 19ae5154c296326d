#pragma once

#include "cli/cli.h"
#include "common/messages.h"

namespace ventrix::cli {

// The program's messages while a command runs, in place of the message service before it;
// nothing is asked on the command line: every question takes its default answer.
class TerminalMessages : public MessageService
{
public:
    enum class Route {
        AllToErr, // every message on the error stream
        ProblemsToErr, // warnings and errors on the error stream, the rest on the output
        Silent, // none: the command says itself what happened
    };

    TerminalMessages(Context& context, Route route);
    ~TerminalMessages() override;
    TerminalMessages(const TerminalMessages&) = delete;
    TerminalMessages& operator=(const TerminalMessages&) = delete;

    Answer show(const Message& message) override;
    std::optional<QString> askText(const QString&, const QString&, const QString&) override { return {}; }

private:
    Context& m_context;
    Route m_route;
    MessageService* m_previous;
};

}
