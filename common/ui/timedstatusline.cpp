#include "common/ui/timedstatusline.h"

#include <QTimer>

namespace ventrix {

TimedStatusLine::TimedStatusLine(QWidget* parent)
    : QLabel(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QLabel::clear);
    setTextFormat(Qt::PlainText);
    setMinimumHeight(fontMetrics().height() + 6);
}

void TimedStatusLine::showHover(const QString& text)
{
    m_timer->stop();
    setText(text);
}

void TimedStatusLine::showNotice(const QString& text, int msec)
{
    setText(text);
    m_timer->start(msec);
}

void TimedStatusLine::clearText()
{
    if (!m_timer->isActive())
        clear();
}

}
