#pragma once

#include "common/identifiers.h"

#include <QLineEdit>

namespace ventrix::agents {

// The counterpart's masked CUIT or I.S.I.B. number. Leaving it hands the typed number to the
// register's form, which checks it against the agent's own and looks the counterpart up.
class CounterpartIdEdit : public QLineEdit
{
    Q_OBJECT

public:
    CounterpartIdEdit(IdentifierKind kind, QWidget* parent = nullptr);

    IdentifierKind kind() const { return m_kind; }
    // The number as shown with its separators, or empty when no digit was typed.
    QString value() const;
    // Shows the number; an empty one leaves the mask's placeholders.
    void setValue(const QString& text);

signals:
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    IdentifierKind m_kind;
};

}
