#pragma once

#include "common/messages.h"

#include <functional>

class QWidget;

namespace ventrix {

// Shows messages as modal message boxes over the active window.
class DialogMessageService : public MessageService
{
public:
    // Called with the help context when the user presses a box's help button.
    void setHelpHandler(std::function<void(int)> handler) { m_help = std::move(handler); }

    Answer show(const Message& message) override;
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& proposed) override;

private:
    std::function<void(int)> m_help;
};

}
