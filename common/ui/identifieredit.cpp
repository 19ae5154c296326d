#include "common/ui/identifieredit.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include <algorithm>

namespace ventrix {

IdentifierEdit::IdentifierEdit(IdentifierKind kind, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
    setInputMask(identifierInputMask(kind));
}

QString IdentifierEdit::value() const
{
    const QString shown = displayText();
    const bool anyDigit = std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); });
    return anyDigit ? shown : QString();
}

void IdentifierEdit::setValue(const QString& stored)
{
    if (stored.trimmed().isEmpty())
        clear();
    else
        setText(shapeIdentifierDigits(m_kind, stored.trimmed()));
}

bool IdentifierEdit::validate()
{
    const IdentifierCheck check = validateIdentifier(m_kind, displayText());
    if (check.text.isEmpty()) {
        // Emptied with its mask set again, so the placeholders show.
        setInputMask(QString());
        clear();
        setInputMask(identifierInputMask(m_kind));
    } else if (check.text != displayText()) {
        setText(check.text);
    }
    if (!check.valid)
        emit refused();
    return check.valid;
}

// A click anywhere in an empty field starts the number at its first place, not past the mask.
void IdentifierEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (value().isEmpty())
        setCursorPosition(0);
}

void IdentifierEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window, opening a menu or closing the screen does not leave the field.
    const Qt::FocusReason reason = event->reason();
    if (isVisible() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
        && reason != Qt::MenuBarFocusReason)
        validate();
}

}
