#include "agents/ui/counterpartidedit.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include <algorithm>

namespace ventrix::agents {

CounterpartIdEdit::CounterpartIdEdit(IdentifierKind kind, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
    setInputMask(identifierInputMask(kind));
}

QString CounterpartIdEdit::value() const
{
    const QString shown = displayText();
    const bool anyDigit = std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); });
    return anyDigit ? shown : QString();
}

void CounterpartIdEdit::setValue(const QString& text)
{
    if (text == value())
        return;
    if (!text.trimmed().isEmpty()) {
        setText(shapeIdentifierDigits(m_kind, text.trimmed()));
        return;
    }
    // Emptied with the mask set again, so the placeholders show.
    setInputMask(QString());
    clear();
    setInputMask(identifierInputMask(m_kind));
}

// A click anywhere in an empty field starts the number at its first place, not past the mask.
void CounterpartIdEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (value().isEmpty())
        setCursorPosition(0);
}

void CounterpartIdEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window, opening a menu or closing the screen does not leave the field.
    const Qt::FocusReason reason = event->reason();
    if (isVisible() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
        && reason != Qt::MenuBarFocusReason)
        emit left();
}

}
