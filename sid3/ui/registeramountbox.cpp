#include "sid3/ui/registeramountbox.h"

#include <QKeyEvent>

namespace ventrix::sid3 {

RegisterAmountBox::RegisterAmountBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setAlignment(Qt::AlignRight);
    setCursor(Qt::PointingHandCursor);
}

void RegisterAmountBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit openRequested();
}

void RegisterAmountBox::keyPressEvent(QKeyEvent* event)
{
    // Typed characters open the register; moving keys still move on.
    if (!event->text().isEmpty() && event->text().front().isPrint()) {
        emit openRequested();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}
