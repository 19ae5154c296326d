#include "common/ui/helpkey.h"

#include "common/help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace ventrix {
namespace {

class HelpKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return QObject::eventFilter(watched, event);
        // The key reaches the window first, then the focused widget: whichever is seen first answers.
        QWidget* from = qobject_cast<QWidget*>(watched);
        if (!from)
            from = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        const int id = helpContextOf(from);
        if (id != 0)
            Ayuda_Contexto(id);
        else
            Ayuda_Indice();
        return true;
    }
};

}

void setHelpContext(QWidget* widget, int contextId)
{
    widget->setProperty(HelpContextProperty, contextId);
}

int helpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant id = w->property(HelpContextProperty);
        if (id.isValid() && id.toInt() != 0)
            return id.toInt();
    }
    return 0;
}

void installHelpKey()
{
    static QPointer<HelpKeyFilter> filter;
    if (filter || !qApp)
        return;
    filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

}
