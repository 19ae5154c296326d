#pragma once

#include <QLabel>

class QTimer;

namespace ventrix {

// The status line of a window: hover texts stay while the pointer is over their button,
// notices clear themselves after a while.
class TimedStatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit TimedStatusLine(QWidget* parent = nullptr);

    // Shows text until the next call or until the pointer leaves.
    void showHover(const QString& text);
    // Shows text and clears it after msec milliseconds.
    void showNotice(const QString& text, int msec = 2500);
    void clearText();

private:
    QTimer* m_timer;
};

}
