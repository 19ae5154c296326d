#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <source_location>

class QDialog;

namespace ventrix::test {

// Acts on modal dialogs as they open, in the order they were expected. A dialog that was
// expected but never opened fails the test (at the latest when this object goes away), and one
// still open when the wait runs out is rejected so that the test cannot hang.
class ModalDialogs
{
public:
    using Action = std::function<void(QDialog*)>;

    explicit ModalDialogs(int waitMs = 5000);
    ~ModalDialogs();
    ModalDialogs(const ModalDialogs&) = delete;
    ModalDialogs& operator=(const ModalDialogs&) = delete;

    // The next modal dialog that opens gets this action.
    void expect(Action act, std::source_location where = std::source_location::current());
    // True when every expected dialog has opened and been acted on.
    bool allOpened() const { return m_expected.empty(); }

private:
    struct Expected
    {
        Action act;
        std::source_location where;
    };

    void schedule();
    void poll();
    void giveUp();

    std::deque<Expected> m_expected;
    QPointer<QDialog> m_last;
    QObject m_context;
    int m_waitMs;
    int m_waited = 0;
    bool m_scheduled = false;
};

}
