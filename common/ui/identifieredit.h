#pragma once

#include "common/identifiers.h"

#include <QLineEdit>

namespace ventrix {

// A masked entry of a CUIT, I.S.I.B. or agent number that checks its digits when it is left;
// a refused number is emptied and the mask shows again.
class IdentifierEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString value READ value WRITE setValue USER true)

public:
    explicit IdentifierEdit(IdentifierKind kind, QWidget* parent = nullptr);

    IdentifierKind kind() const { return m_kind; }
    // The text as stored, with its separators ("20-12345678/6"), or empty.
    QString value() const;
    void setValue(const QString& stored);

    // Checks the field as when it is left; false (and refused()) when it was emptied.
    bool validate();

signals:
    // The number typed was refused and the field emptied: the screen says why.
    void refused();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    IdentifierKind m_kind;
};

}
