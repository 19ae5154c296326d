#pragma once

#include "common/messages.h"

#include <functional>

class QWidget;

namespace ventrix {

// Shows messages as modal message boxes centred on the window the user is working in.
class DialogMessageService : public MessageService
{
public:
    // Called with the help context when the user presses a box's help button.
    void setHelpHandler(std::function<void(int)> handler) { m_help = std::move(handler); }

    Answer show(const Message& message) override;
    std::optional<QString> askText(
        const QString& title, const QString& prompt, const QString& proposed) override;

    // The window a box is centred on: the modal or active window, else the window with the
    // focus, else a visible top-level window (a dialog before the main window).
    static QWidget* ownerWindow();

private:
    std::function<void(int)> m_help;
};

}
