#include "common/ui/hoverstatusfilter.h"

#include "common/ui/timedstatusline.h"

#include <QEvent>
#include <QWidget>

namespace ventrix {

HoverStatusFilter::HoverStatusFilter(TimedStatusLine* line, QObject* parent)
    : QObject(parent)
    , m_line(line)
{
}

void HoverStatusFilter::watch(QWidget* widget, const QString& text)
{
    m_texts.insert(widget, text);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) { m_texts.remove(gone); });
}

bool HoverStatusFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        const QString text = m_texts.value(watched);
        if (text.isEmpty())
            m_line->clearText();
        else
            m_line->showHover(text);
    } else if (event->type() == QEvent::Leave) {
        m_line->clearText();
    }
    return QObject::eventFilter(watched, event);
}

}
