#pragma once

#include "app/register/passwordcheck.h"
#include "app/register/taxpayers.h"
#include "common/ui/modulewindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ventrix::app {

// The identification screen ("Identificación del Contribuyente") that adds or changes a taxpayer.
class Frm_Id_Contrib : public ModuleWindow
{
    Q_OBJECT

public:
    // cmdId 0 adds a new taxpayer. When passwordVerified is false and the taxpayer has a
    // password, prepare() asks for it.
    Frm_Id_Contrib(QSqlDatabase db, qint64 cmdId, PasswordPrompt prompt, bool passwordVerified,
        QWidget* parent = nullptr);

    // Asks the password when needed and loads the taxpayer; false when the screen must not open.
    bool prepare();
    // The key of the taxpayer saved, 0 when nothing was saved.
    qint64 savedId() const { return m_savedId; }

    void Cmd_Aceptar_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addField(const QString& column, int maxLength, bool required = false);
    void buildLayout();
    void checkIdentification();
    std::optional<QString> passwordToStore();

    TaxpayerRegister m_register;
    PasswordPrompt m_prompt;
    bool m_passwordVerified;
    Taxpayer m_taxpayer;
    QString m_openedName;
    bool m_passwordKept = false;
    bool m_checking = false;
    qint64 m_savedId = 0;

    QLabel* m_cmdId;
    QLineEdit* m_contribuyente;
    QLineEdit* m_domicilio;
    QLineEdit* m_te;
    QLineEdit* m_numRef;
    QLineEdit* m_password;
    QPushButton* m_aceptar;
    QPushButton* m_cancelar;
};

}
