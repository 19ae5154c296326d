#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

namespace ventrix::app {

// The access password prompt ("Clave de Accesso") asked before working on a protected taxpayer.
class Frm_Password : public QDialog
{
    Q_OBJECT

public:
    explicit Frm_Password(QWidget* parent = nullptr);

    QString typed() const;

    // Shows the prompt modally; nullopt when it is closed without Aceptar.
    static std::optional<QString> ask(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_txtPwd;
    QPushButton* m_command1;
};

}
