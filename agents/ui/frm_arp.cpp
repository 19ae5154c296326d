#include "agents/ui/frm_arp.h"

#include "agents/agentsmessages.h"
#include "agents/arpcomputation.h"
#include "agents/operationstore.h"
#include "agents/ui/agentsuimessages.h"
#include "common/clock.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/timedstatusline.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ventrix::agents {
namespace {

const QString& operacionOf(AgentRegister which)
{
    return RegisterKind::of(which).arpOperacion;
}

}

Frm_ARP::Frm_ARP(const ModuleLaunch& launch, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_ARP"), msg::tituloArp(), helpid::Agentes, parent)
    , m_launch(launch)
    , m_access(launch.db)
    , m_deposits(m_access)
{
    buildLayout();
    resize(900, sizeHint().height());
    statusLine()->showNotice(msg::cargandoDatos());
    const auto agent
        = OperationStore(m_access, RegisterKind::retenciones()).agentData(launch.cmdId, launch.cp01Id);
    if (!agent) {
        fail(agent.error());
        return;
    }
    m_agent = agent->cp01;
    loadFields(QStringLiteral("CP01"), m_agent);
    if (!readNumbers())
        return;
    CargaDefault();
}

Frm_ARP::~Frm_ARP() = default;

bool Frm_ARP::readNumbers()
{
    auto numbers = readAgentNumbers(m_access, m_launch.cmdId);
    if (!numbers) {
        fail(numbers.error());
        return false;
    }
    m_numbers = *numbers;
    showNumbers();
    return true;
}

void Frm_ARP::showNumbers()
{
    m_numRetencion->setText(m_numbers.retencion);
    m_numPercepcion->setText(m_numbers.percepcion);
}

void Frm_ARP::CargaDefault()
{
    const bool ret = !m_numbers.retencion.trimmed().isEmpty();
    const bool per = !m_numbers.percepcion.trimmed().isEmpty();
    m_optRetencion->setEnabled(ret);
    m_optPercepcion->setEnabled(per);
    if (const Status usable = mayUseAgentsModule(m_numbers); !usable) {
        warn(usable.error());
        m_opened = false;
        return;
    }
    m_opened = true;
    showPeriod(periodoPropuesto(Clock::today()));
    if (ret != per)
        applyOperation(ret ? AgentRegister::Retenciones : AgentRegister::Percepciones);
    else
        setOperationShown(std::nullopt);
    CalculaDefault();
    ChequeaPeriodo();
    setModified(false);
}

void Frm_ARP::setOperationShown(std::optional<AgentRegister> which)
{
    m_operation = which;
    const bool ret = which == AgentRegister::Retenciones;
    const bool per = which == AgentRegister::Percepciones;
    {
        const QSignalBlocker a(m_optRetencion);
        const QSignalBlocker b(m_optPercepcion);
        m_optRetencion->setAutoExclusive(false);
        m_optPercepcion->setAutoExclusive(false);
        m_optRetencion->setChecked(ret);
        m_optPercepcion->setChecked(per);
        m_optRetencion->setAutoExclusive(true);
        m_optPercepcion->setAutoExclusive(true);
    }
    m_optionResul->setText(which ? operacionOf(*which) : QString());
    m_payRet->setEnabled(ret);
    m_ddjjRet->setEnabled(ret);
    m_payPer->setEnabled(per);
    m_ddjjPer->setEnabled(per);
    m_labImporteTipo->setText(per ? msg::totalPercibido() : msg::totalRetenido());
}

// A change of operation: its buttons and caption, a new search, no form number, the month again.
void Frm_ARP::applyOperation(AgentRegister which)
{
    setOperationShown(which);
    m_buscar->clear();
    m_numFormulario->clear();
    ChequeaPeriodo();
}

void Frm_ARP::Option3d1_Click(AgentRegister chosen)
{
    if (m_operation == chosen)
        return;
    if (m_depositId > 0) {
        // A stored deposit keeps its operation: the click starts a new deposit, if the user wants.
        setOperationShown(m_operation);
        if (!askYesNo(msg::cambiarOperacion(), MessageIcon::Question, false))
            return;
        ClearForm();
    }
    applyOperation(chosen);
}

void Frm_ARP::MaskDesde_LostFocus()
{
    const auto period = periodoIngresado(m_maskDesde->text());
    if (!period) {
        warn(period.error());
        return;
    }
    showPeriod(*period);
    CalculaDefault();
    ChequeaPeriodo();
}

void Frm_ARP::CalculaDefault()
{
    if (!m_period)
        return;
    m_proposedVto = agents::CalculaDefault(m_period->hasta);
    m_fechaVto->setText(displayText(m_proposedVto));
    if (m_fechaPago->text().trimmed().isEmpty())
        m_fechaPago->setText(displayText(Clock::today()));
    if (m_total->text().trimmed().isEmpty())
        showAmount(m_total, Money());
}

void Frm_ARP::FechaVto_LostFocus()
{
    const auto typed = fechaIngresada(m_fechaVto->text());
    if (!typed) {
        m_fechaVto->clear();
        warn(typed.error());
        return;
    }
    if (!typed->isValid() || !m_proposedVto.isValid())
        return;
    const DueDateEdit edit = editaFechaVto(m_proposedVto, *typed);
    m_fechaVto->setText(displayText(edit.fecha));
    if (!edit.message.isEmpty())
        inform(edit.message, edit.fecha == *typed ? MessageIcon::Information : MessageIcon::Warning);
    ChequeaPeriodo();
}

void Frm_ARP::FechaPago_LostFocus()
{
    const auto typed = fechaIngresada(m_fechaPago->text());
    if (!typed) {
        m_fechaPago->clear();
        warn(typed.error());
        return;
    }
    CalculaInteres();
}

void Frm_ARP::ChequeaPeriodo()
{
    if (m_period && m_period->desde > m_period->hasta) {
        warn(msg::periodoInvertido());
        for (QLineEdit* f : { m_total, m_intereses, m_saldo })
            f->clear();
        return;
    }
    HabilitaImporte();
}

void Frm_ARP::HabilitaImporte()
{
    if (m_printing || !m_period)
        return;
    ArpTotals totals;
    if (m_operation) {
        auto found = DeclarationStore(m_access, RegisterKind::of(*m_operation))
                         .HabilitaImporte(m_launch.cmdId, *m_period);
        if (!found) {
            fail(found.error());
            return;
        }
        totals = *found;
    }
    showAmount(m_total, totals.total);
    showAmount(m_depositado, totals.depositado);
    CalculaInteres();
}

std::optional<Money> Frm_ARP::typedAmount(const QLineEdit* field) const
{
    return Money::fromDisplay(field->text().trimmed());
}

void Frm_ARP::CalculaInteres()
{
    for (QLineEdit* f : { m_intereses, m_saldo })
        f->clear();
    const auto vto = fechaIngresada(m_fechaVto->text());
    const auto pago = fechaIngresada(m_fechaPago->text());
    if (!vto || !pago || !vto->isValid() || !pago->isValid())
        return;
    const ArpTotals totals { typedAmount(m_total).value_or(Money()),
        typedAmount(m_depositado).value_or(Money()) };
    const RegisterKind& kind = RegisterKind::of(m_operation.value_or(AgentRegister::Retenciones));
    const auto balance = DeclarationStore(m_access, kind).CalculaInteres(totals, *vto, *pago);
    if (!balance) {
        warn(balance.error());
        return;
    }
    showAmount(m_intereses, balance->intereses);
    showAmount(m_saldo, balance->saldo);
    showAmount(m_capital, balance->capitalAmortizado);
    // The amount to deposit follows the balance, except while a form is being printed.
    if (!m_printing)
        showAmount(m_importeDepositar, balance->saldo);
}

void Frm_ARP::ClearForm()
{
    binder().clear(QStringLiteral("Arp"));
    m_depositId = 0;
    m_buscar->clear();
    setOperationShown(m_operation);
    if (m_period)
        showPeriod(*m_period);
    CalculaDefault();
    setModified(false);
}

bool Frm_ARP::Check_Datos() const
{
    return agents::Check_Datos(screenDeposit(), agentDataComplete(m_agent));
}

}
