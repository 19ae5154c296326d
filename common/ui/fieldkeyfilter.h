#pragma once

#include "common/keyfilters.h"

#include <QObject>

class QWidget;

namespace ventrix {

// Lets through a field only the keys its kind accepts; Enter moves the focus to the next field.
class FieldKeyFilter : public QObject
{
    Q_OBJECT

public:
    // Installs a filter on the field; it lives as long as the field.
    static FieldKeyFilter* install(QWidget* field, FieldKeys kind);

    FieldKeys kind() const { return m_kind; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldKeyFilter(QWidget* field, FieldKeys kind);
    static void moveToNextField(QWidget* field);

    FieldKeys m_kind;
};

}
