#include "app/ui/frm_idcontrib.h"

#include "app/register/passwordhash.h"
#include "app/register/registermessages.h"
#include "app/taxpayerfields.h"
#include "common/commonmessages.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/requiredfields.h"

#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::app {
namespace {

// Stands for a stored password the user has not touched; it is never a password itself.
const QString KeptPassword = QStringLiteral("********");
const QString Cmd = QStringLiteral("CMD");

}

Frm_Id_Contrib::Frm_Id_Contrib(
    QSqlDatabase db, qint64 cmdId, PasswordPrompt prompt, bool passwordVerified, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_Id_Contrib"), QStringLiteral("Identificación del Contribuyente"),
        helpid::IdContrib, parent)
    , m_register(std::move(db))
    , m_prompt(std::move(prompt))
    , m_passwordVerified(passwordVerified)
{
    m_taxpayer.id = cmdId;

    m_cmdId = new QLabel(QString::number(cmdId), this);
    m_cmdId->setObjectName(QStringLiteral("Cmd_ID"));
    m_cmdId->hide();
    m_contribuyente = addField(QStringLiteral("CMD_Contribuyente"), 100, true);
    m_domicilio = addField(QStringLiteral("CMD_Domicilio"), 100);
    m_te = addField(QStringLiteral("CMD_Te"), 50);
    m_numRef = addField(QStringLiteral("CMD_NumRef"), 50);
    // Not bound: the table keeps the password's hash, which the field never shows. Enter in it
    // accepts the screen.
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("CMD_PassWord"));
    m_password->setMaxLength(20);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->installEventFilter(this);
    m_aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_aceptar->setObjectName(QStringLiteral("Cmd_Aceptar"));
    m_aceptar->setDefault(true);
    m_cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_cancelar->setObjectName(QStringLiteral("Cmd_Cancelar"));
    buildLayout();

    connect(m_contribuyente, &QLineEdit::editingFinished, this, &Frm_Id_Contrib::checkIdentification);
    connect(m_password, &QLineEdit::textEdited, this, [this] {
        m_passwordKept = false;
        setModified(true);
    });
    connect(m_aceptar, &QPushButton::clicked, this, &Frm_Id_Contrib::Cmd_Aceptar_Click);
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    askBeforeLeaving(msg::SalirSinGuardar);
}

QLineEdit* Frm_Id_Contrib::addField(const QString& column, int maxLength, bool required)
{
    auto* field = bind(new QLineEdit(this), column, FieldKeys::Text, required);
    field->setMaxLength(maxLength);
    return field;
}

void Frm_Id_Contrib::buildLayout()
{
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(QStringLiteral("Identificación (Apellido, Nombre o Razón Social):"), m_contribuyente);
    form->addRow(QStringLiteral("Domicilio:"), m_domicilio);
    form->addRow(QStringLiteral("Teléfono:"), m_te);
    form->addRow(QStringLiteral("N° de Ref. Cuit o Ing. Brut.:"), m_numRef);
    form->addRow(QStringLiteral("Password o Clave de Acceso:"), m_password);
    auto* hint = new QLabel(taxpayers::msg::PasswordHint, this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #5f5f5f;"));
    form->addRow(QString(), hint);
    m_password->setMaximumWidth(220);

    auto* notice = new QLabel(taxpayers::msg::AvisoUsoExclusivo, this);
    notice->setObjectName(QStringLiteral("Lab_Aviso"));
    notice->setWordWrap(true);
    notice->setFrameShape(QFrame::StyledPanel);
    notice->setMargin(8);
    notice->setStyleSheet(QStringLiteral("QLabel#Lab_Aviso { background: #fff8dc; color: #5a4a00; }"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_aceptar);
    buttons->addWidget(m_cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addWidget(notice);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    m_contribuyente->setMinimumWidth(360);
    resize(640, sizeHint().height());
}

bool Frm_Id_Contrib::prepare()
{
    if (m_taxpayer.id == 0)
        return true;
    if (!m_passwordVerified && !VerificaPwd(m_register, m_taxpayer.id, m_prompt))
        return false;
    const auto taxpayer = m_register.read(m_taxpayer.id);
    if (!taxpayer || !taxpayer->has_value()) {
        fail(taxpayers::msg::ErrorBase);
        return false;
    }
    m_taxpayer = **taxpayer;
    m_openedName = m_taxpayer.contribuyente;
    loadFields(Cmd, taxpayerFields(m_taxpayer));
    m_passwordKept = !m_taxpayer.passwordHash.isEmpty();
    m_password->setText(m_passwordKept ? KeptPassword : QString());
    return true;
}

void Frm_Id_Contrib::checkIdentification()
{
    // Accepting the screen moves the focus out of the box after the row was saved: the name is
    // then the saved one, not a duplicate.
    if (m_checking || m_savedId != 0 || !isVisible())
        return;
    const QString typed = m_contribuyente->text();
    if (typed.trimmed().isEmpty() || typed.toUpper() == m_openedName.toUpper())
        return;
    m_checking = true;
    const auto other = m_register.findIdentification(typed, m_taxpayer.id);
    if (!other) {
        fail(taxpayers::msg::ErrorBase);
    } else if (*other != 0) {
        warn(taxpayers::msg::YaExisteIdentificador);
        m_contribuyente->setText(m_openedName);
        m_contribuyente->setFocus();
    }
    m_checking = false;
}

// The hash to store, or nullopt when the user did not confirm the new password.
std::optional<QString> Frm_Id_Contrib::passwordToStore()
{
    if (m_passwordKept)
        return m_taxpayer.passwordHash;
    const QString typed = m_password->text().trimmed();
    if (typed.isEmpty())
        return QString();
    const std::optional<QString> again
        = askText(taxpayers::msg::ConfirmeClaveTitulo, taxpayers::msg::ConfirmeClavePregunta);
    if (!again || again->trimmed() != typed) {
        fail(taxpayers::msg::ClaveNoCoincide);
        return std::nullopt;
    }
    const QString hash = passwordhash::hash(typed);
    if (hash.isEmpty()) {
        fail(taxpayers::msg::ErrorGuardar);
        return std::nullopt;
    }
    return hash;
}

void Frm_Id_Contrib::Cmd_Aceptar_Click()
{
    if (QWidget* missing = RequiredFields::firstMissing(this)) {
        warn(taxpayers::msg::FaltaIdentificador);
        missing->setFocus();
        return;
    }
    const auto hash = passwordToStore();
    if (!hash)
        return;
    Taxpayer edited = withTaxpayerFields(m_taxpayer, readFields(Cmd));
    edited.passwordHash = *hash;
    switch (m_register.save(edited)) {
    case SaveOutcome::Saved:
        m_savedId = edited.id;
        setModified(false);
        accept();
        return;
    case SaveOutcome::EmptyIdentification:
        warn(taxpayers::msg::FaltaIdentificador);
        break;
    case SaveOutcome::DuplicateIdentification:
        warn(taxpayers::msg::YaExisteIdentificador);
        break;
    case SaveOutcome::DatabaseError:
        fail(taxpayers::msg::ErrorGuardar);
        break;
    }
    m_contribuyente->setFocus();
}

bool Frm_Id_Contrib::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == m_password && m_passwordKept)
        m_password->selectAll();
    return ModuleWindow::eventFilter(watched, event);
}

}
