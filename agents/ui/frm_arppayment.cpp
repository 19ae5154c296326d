#include "agents/agentsmessages.h"
#include "agents/arppaymentform.h"
#include "agents/depositform.h"
#include "agents/ui/agentsuimessages.h"
#include "agents/ui/frm_agenoperacion.h"
#include "agents/ui/frm_arp.h"
#include "agents/ui/frm_claves.h"
#include "common/messages.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/ui/timedstatusline.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>

namespace ventrix::agents {

void Frm_ARP::setStatus(const QString& text, int ms)
{
    statusLine()->showNotice(text, ms);
}

void Frm_ARP::Cmd_Alta_Click()
{
    ClearForm();
    ChequeaPeriodo();
}

void Frm_ARP::Cmd_Guardar_Click()
{
    ArpDeposit d = screenDeposit();
    DepositForm form(m_deposits, m_launch.cp01Id,
        { [this](const QString& text, int ms) { setStatus(text, ms); },
            [this](const QString&) { m_importeDepositar->setFocus(Qt::OtherFocusReason); } });
    if (!form.guardar(d, agentDataComplete(m_agent)))
        return;
    m_depositId = d.id;
    m_buscar->clear();
    setModified(false);
}

void Frm_ARP::Cmd_Borrar_Click()
{
    if (m_depositId <= 0) {
        ClearForm();
        return;
    }
    const auto stored = m_deposits.load(m_depositId);
    if (!stored) {
        fail(stored.error());
        return;
    }
    if (auto locked = depositLockedForDeleting(*stored)) {
        fail(*locked);
        return;
    }
    if (!askYesNo(msg::confirmaBorrar(QString()), MessageIcon::Question, false)) {
        setStatus(msg::canceladaPorUsuario(), 2000);
        return;
    }
    if (const Status removed = m_deposits.remove(m_depositId); !removed) {
        setStatus(removed.error(), 2500);
        return;
    }
    ClearForm();
    ChequeaPeriodo();
}

void Frm_ARP::Cmd_Imprimir_Click()
{
    Cmd_PrintPago_Click();
}

void Frm_ARP::Cmd_PrintPago_Click()
{
    if (!m_operation)
        return;
    pay();
}

// The payment's questions and save; then its form goes to the printer.
bool Frm_ARP::pay()
{
    ArpDeposit d = screenDeposit();
    // A deposit whose values do not fit the bank's code is refused before it is stored.
    if (d.importeDepositado) {
        ArpDeposit probe = d;
        if (probe.numFormulario.isEmpty())
            probe.numFormulario = QStringLiteral("0");
        const AgentRegister which = m_operation.value_or(AgentRegister::Retenciones);
        if (const auto code = arpPaymentCode(paymentDataOf(probe, which, m_numbers.of(which), {})); !code) {
            warn(code.error());
            return false;
        }
    }
    DepositForm form(m_deposits, m_launch.cp01Id,
        { [this](const QString& text, int ms) { setStatus(text, ms); },
            [this](const QString&) { m_importeDepositar->setFocus(Qt::OtherFocusReason); } });
    if (!form.pagar(d, agentDataComplete(m_agent)))
        return false;
    m_depositId = d.id;
    m_numFormulario->setText(d.numFormulario);
    m_buscar->clear();
    setModified(false);
    printPayment(d);
    return true;
}

void Frm_ARP::printPayment(const ArpDeposit& d)
{
    const AgentRegister which = m_operation.value_or(AgentRegister::Retenciones);
    ArpPaymentForm form(paymentDataOf(
        d, which, m_numbers.of(which), m_agent.value(QStringLiteral("CP01_Contribuyente")).toString()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(form.documentName());
    m_printing = true;
    if (print::DialogoImpresora(printer, this)) {
        setStatus(msg::imprimiendoPago(), 2000);
        print::PrintPreview preview(form, msg::cancelarImpresion(), &printer, this);
        preview.exec();
    }
    m_printing = false;
}

void Frm_ARP::Cmd_PrintDDJJ_Click()
{
    if (!m_operation || !m_period)
        return;
    DeclarationStore store(m_access, RegisterKind::of(*m_operation));
    DeclarationForm::Hooks hooks;
    hooks.status = [this](const QString& text, int ms) { setStatus(text, ms); };
    hooks.choosePrinter = [this] {
        m_ddjjPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return print::DialogoImpresora(*m_ddjjPrinter, this);
    };
    m_printing = true;
    if (const auto made = DeclarationForm(store, m_launch.cmdId, hooks).declarar(*m_period))
        printDeclaration(*made);
    m_printing = false;
    m_ddjjPrinter.reset();
}

void Frm_ARP::openRegister(AgentRegister which)
{
    if (!readNumbers())
        return;
    if (const Status may = mayOpenRegister(m_numbers, which); !may) {
        warn(may.error());
        return;
    }
    if (which == AgentRegister::Retenciones) {
        Frm_AgenRet screen(m_launch, this);
        if (screen.opened())
            screen.exec();
    } else {
        Frm_AgenPer screen(m_launch, this);
        if (screen.opened())
            screen.exec();
    }
    // The register may have changed the month's total.
    ChequeaPeriodo();
}

void Frm_ARP::Cmd_ConstRetencion_Click()
{
    openRegister(AgentRegister::Retenciones);
}

void Frm_ARP::Cmd_ConstPercep_Click()
{
    openRegister(AgentRegister::Percepciones);
}

void Frm_ARP::Cmd_Claves_Click()
{
    Frm_Claves screen(m_launch, this);
    if (!screen.opened()) {
        fail(msg::errorModuloClaves());
        return;
    }
    screen.exec();
    if (!readNumbers())
        return;
    m_optRetencion->setEnabled(!m_numbers.retencion.trimmed().isEmpty());
    m_optPercepcion->setEnabled(!m_numbers.percepcion.trimmed().isEmpty());
}

void Frm_ARP::Cmd_CallAccesorios_Click()
{
    for (const char* name : { "gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc" }) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    inform(msg::sinCalculadora());
}

void Frm_ARP::Cmb_Buscar_Click()
{
    if (!m_operation)
        return;
    setStatus(msg::buscando(), 1500);
    const auto found = m_deposits.list(m_launch.cmdId, m_optionResul->text());
    if (!found) {
        fail(found.error());
        return;
    }
    FieldBinder::fillList(m_buscar, *found);
    m_buscar->setCurrentIndex(-1);
    m_buscar->showPopup();
}

void Frm_ARP::Cbox_Buscar_Click(int index)
{
    const qint64 id = m_buscar->itemData(index).toLongLong();
    if (id <= 0)
        return;
    const auto d = m_deposits.load(id);
    if (!d) {
        fail(d.error());
        return;
    }
    showDeposit(*d);
    setModified(false);
}

}
