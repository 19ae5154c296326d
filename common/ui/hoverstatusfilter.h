#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace ventrix {

class TimedStatusLine;

// Writes a widget's help text into the status line while the pointer is over it.
class HoverStatusFilter : public QObject
{
    Q_OBJECT

public:
    explicit HoverStatusFilter(TimedStatusLine* line, QObject* parent = nullptr);

    void watch(QWidget* widget, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TimedStatusLine* m_line;
    QHash<QObject*, QString> m_texts;
};

}
