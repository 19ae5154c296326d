#pragma once

#include <QWidget>

#include <functional>

class QLabel;

namespace ventrix::app {

// The splash window shown while the program starts; it waits for a click or a key before the
// program goes on to its first window.
class Inicia : public QWidget
{
    Q_OBJECT

public:
    explicit Inicia(QWidget* parent = nullptr);

    // Calls then once the user has clicked the window or pressed a key on it (at once when
    // that already happened while the checks ran).
    void waitForUser(std::function<void()> then);
    bool started() const { return m_started; }

    // The picture of the splash, drawn for the program's name and version.
    static QPixmap picture();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void proceed();

    QLabel* m_picture = nullptr;
    QLabel* m_hint = nullptr;
    std::function<void()> m_then;
    bool m_started = false;
};

}
