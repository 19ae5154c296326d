#include "agents/ui/frm_agencredadd.h"

#include "agents/creditmessages.h"
#include "common/helpids.h"
#include "common/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::agents {

Frm_AgenCredAdd::Frm_AgenCredAdd(const DeclaredOperation& op, Money disponible, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_AgenCredAdd"), msg::tituloCreditoAdd(), helpid::Agentes, parent)
    , m_disponible(disponible)
{
    const CreditFields f = creditFieldsOf(op);
    auto* form = new QFormLayout;
    m_importe = field(QStringLiteral("Txt_Importe"), f.credito, true);
    m_fecha = field(QStringLiteral("Txt_Fecha"), f.fecha, false);
    m_importeOp = field(QStringLiteral("Txt_ImporteOperacion"), f.importe, false);
    m_base = field(QStringLiteral("Txt_BaseImp"), f.base, false);
    m_factura = field(QStringLiteral("Txt_NumFactura"), f.factura, false);
    m_alicuota = field(QStringLiteral("Txt_Alicuota"), f.alicuota, false);
    form->addRow(QStringLiteral("Importe"), m_importe);
    form->addRow(QStringLiteral("Fecha de Per/Ret"), m_fecha);
    form->addRow(QStringLiteral("Importe Per/Ret"), m_importeOp);
    form->addRow(QStringLiteral("Base Imponible"), m_base);
    form->addRow(QStringLiteral("N° Factura"), m_factura);
    form->addRow(QStringLiteral("Alicuota (%)"), m_alicuota);
    auto* aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("Command2"));
    aceptar->setAutoDefault(false);
    auto* cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("Command3"));
    cancelar->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(aceptar);
    buttons->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(m_importe, &QLineEdit::editingFinished, this, &Frm_AgenCredAdd::Calc_ImpCredito);
    connect(aceptar, &QPushButton::clicked, this, &Frm_AgenCredAdd::Command2_Click);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    m_importe->setFocus();
    m_importe->selectAll();
}

QLineEdit* Frm_AgenCredAdd::field(const QString& name, const QString& text, bool editable)
{
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setReadOnly(!editable);
    if (name != QStringLiteral("Txt_NumFactura") && name != QStringLiteral("Txt_Fecha"))
        edit->setAlignment(Qt::AlignRight);
    enterMovesOn(edit, editable ? FieldKeys::Amount : FieldKeys::Text);
    return edit;
}

CreditFields Frm_AgenCredAdd::fields() const
{
    return { m_importe->text(), m_fecha->text(), m_importeOp->text(), m_base->text(), m_factura->text(),
        m_alicuota->text() };
}

void Frm_AgenCredAdd::showFields(const CreditFields& f)
{
    m_importe->setText(f.credito);
    m_importeOp->setText(f.importe);
    m_base->setText(f.base);
    m_alicuota->setText(f.alicuota);
}

void Frm_AgenCredAdd::Calc_ImpCredito()
{
    const CreditCheck check = ventrix::agents::Calc_ImpCredito(fields(), m_disponible);
    showFields(check.shown);
    m_credito = check.credito;
    if (check.refusal)
        inform(*check.refusal);
}

void Frm_AgenCredAdd::Command2_Click()
{
    const CreditCheck check = ventrix::agents::Calc_ImpCredito(fields(), m_disponible);
    showFields(check.shown);
    m_credito = check.credito;
    if (auto refused = creditoRechazado(m_credito, m_disponible)) {
        inform(*refused);
        m_importe->setFocus();
        m_importe->selectAll();
        return;
    }
    accept();
}

std::optional<Money> Frm_AgenCredAdd::preguntar(
    const DeclaredOperation& op, Money disponible, QWidget* parent)
{
    Frm_AgenCredAdd dialog(op, disponible, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.credito();
}

}
