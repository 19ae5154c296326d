#pragma once

#include <QLineEdit>

namespace ventrix::sid3 {

// A register's total on the declaration: it cannot be typed in; clicking it or typing in it
// opens the register instead.
class RegisterAmountBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterAmountBox(QWidget* parent = nullptr);

signals:
    void openRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}
