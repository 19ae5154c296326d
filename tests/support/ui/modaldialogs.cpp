#include "modaldialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace ventrix::test {
namespace {

constexpr int PollMs = 10;

void report(const std::source_location& where, const char* what)
{
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << what;
}

}

ModalDialogs::ModalDialogs(int waitMs)
    : m_waitMs(waitMs)
{
}

ModalDialogs::~ModalDialogs()
{
    for (const Expected& e : m_expected)
        report(e.where, "the expected modal dialog never opened");
}

void ModalDialogs::expect(Action act, std::source_location where)
{
    if (m_expected.empty())
        m_waited = 0;
    m_expected.push_back({ std::move(act), where });
    schedule();
}

void ModalDialogs::schedule()
{
    if (m_scheduled || m_expected.empty())
        return;
    m_scheduled = true;
    // A new single shot each time rather than one repeating timer: a dialog opened from inside
    // an action runs its own event loop, where a timer still busy in its handler would not fire.
    QTimer::singleShot(PollMs, &m_context, [this] {
        m_scheduled = false;
        poll();
    });
}

void ModalDialogs::poll()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog == m_last) {
        m_waited += PollMs;
        if (m_waited >= m_waitMs)
            giveUp();
        else
            schedule();
        return;
    }
    Expected next = std::move(m_expected.front());
    m_expected.pop_front();
    m_last = dialog;
    m_waited = 0;
    schedule();
    next.act(dialog);
}

void ModalDialogs::giveUp()
{
    for (const Expected& e : m_expected)
        report(e.where, "the expected modal dialog never opened");
    m_expected.clear();
    if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        stuck->reject();
}

}
