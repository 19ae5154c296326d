#include "app/ui/frm_password.h"

#include "common/helpids.h"
#include "common/ui/helpkey.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::app {

Frm_Password::Frm_Password(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_Password"));
    setWindowTitle(QStringLiteral("Clave de Accesso"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* prompt = new QLabel(QStringLiteral("Ingrese la clave de acceso del contribuyente:"), this);
    m_txtPwd = new QLineEdit(this);
    m_txtPwd->setObjectName(QStringLiteral("TxtPwd"));
    m_txtPwd->setEchoMode(QLineEdit::Password);
    m_txtPwd->setMinimumWidth(260);
    prompt->setBuddy(m_txtPwd);

    m_command1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_command1, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_txtPwd);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setHelpContext(this, helpid::Password);
    installHelpKey();
}

QString Frm_Password::typed() const
{
    return m_txtPwd->text();
}

void Frm_Password::showEvent(QShowEvent* event)
{
    m_txtPwd->clear();
    m_txtPwd->setFocus();
    QDialog::showEvent(event);
}

std::optional<QString> Frm_Password::ask(QWidget* parent)
{
    Frm_Password prompt(parent);
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.typed();
}

}
