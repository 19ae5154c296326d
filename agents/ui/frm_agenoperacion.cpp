#include "agents/ui/frm_agenoperacion.h"

#include "agents/agentsmessages.h"
#include "agents/operationamounts.h"
#include "agents/ui/agentsuimessages.h"
#include "agents/ui/counterpartidedit.h"
#include "agents/ui/frm_agenbuscar.h"
#include "agents/ui/frm_agenimportar.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/print/pageoutput.h"
#include "common/printui/printpreview.h"
#include "common/regional.h"
#include "common/ui/timedstatusline.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ventrix::agents {

Frm_AgenOperacion::Frm_AgenOperacion(
    const QString& objectName, const RegisterKind& kind, const ModuleLaunch& launch, QWidget* parent)
    : ModuleWindow(objectName, QString(), helpid::Agentes, parent)
    , m_access(launch.db)
    , m_store(m_access, kind)
    , m_form(m_store, launch.cmdId, launch.cp01Id,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); },
              [this](const QString& target) { focusTarget(target); },
              [this] { return chooseCounterpart(); } })
    , m_cmdId(launch.cmdId)
    , m_cp01Id(launch.cp01Id)
{
    buildLayout();
    binder().applySizes(kind.prefix, m_access.fieldSizes(kind.table, kind.prefix));
    m_opened = m_form.open();
    showAgent();
    showOperation();
    setWindowTitle(m_form.title() + m_form.agent().text(QStringLiteral("CP01_Contribuyente")));
}

Frm_AgenOperacion::~Frm_AgenOperacion() = default;

void Frm_AgenOperacion::showAgent()
{
    loadFields(QStringLiteral("CP01"), m_form.agent().cp01);
    m_numAgente->setText(m_form.agent().numAgente);
}

void Frm_AgenOperacion::showOperation()
{
    const AgentOperation& op = m_form.operation();
    loadFields(kind().prefix, operationFields(kind(), op));
    m_key->setText(op.id > 0 ? QString::number(op.id) : QString());
}

void Frm_AgenOperacion::focusTarget(const QString& target)
{
    QWidget* widget = findChild<QWidget*>(target);
    if (!widget) {
        for (QWidget* field : binder().fields(kind().prefix)) {
            if (FieldBinder::columnOf(field) == target)
                widget = field;
        }
    }
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

std::optional<Counterpart> Frm_AgenOperacion::chooseCounterpart()
{
    Frm_AgenBuscar dialog(m_store, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

void Frm_AgenOperacion::ClearForm()
{
    m_buscar->clear();
    m_form.ClearForm();
    showAgent();
    showOperation();
}

void Frm_AgenOperacion::Calc_ImpRetenido()
{
    const ComputedAmounts computed
        = agents::Calc_ImpRetenido({ m_base->text(), m_alicuota->text(), m_importe->text() });
    m_base->setText(computed.shown.base);
    m_alicuota->setText(computed.shown.alicuota);
    m_importe->setText(computed.shown.importe);
}

bool Frm_AgenOperacion::Check_Datos() const
{
    auto op = operationFromFields(kind(), screenFields());
    if (!op)
        return false;
    op->numAgente = m_numAgente->text();
    return agents::Check_Datos(kind(), *op);
}

void Frm_AgenOperacion::paintSign(QLineEdit* field)
{
    QPalette palette = field->palette();
    const QColor usual = QApplication::palette(field).color(QPalette::Text);
    palette.setColor(QPalette::Text, showsNegative(field->text()) ? QColor(Qt::red) : usual);
    field->setPalette(palette);
}

// The base or the rate left computes the amount again; the amount left keeps what was typed over
// it, so a figure from the invoice stays until the base or rate changes.
void Frm_AgenOperacion::amountLeft(QLineEdit* field, int places)
{
    if (exceedsField(field->text(), places)) {
        field->clear();
        warn(msg::importeExcedido());
    }
    if (field == m_importe)
        field->setText(normaliseAmountField(field->text(), places));
    else
        Calc_ImpRetenido();
}

void Frm_AgenOperacion::dateLeft(QLineEdit* field, bool operationDate)
{
    const auto date = fechaIngresada(field->text());
    if (!date) {
        field->clear();
        warn(date.error());
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (date->isValid())
        field->setText(regional::formatDate(*date));
    if (operationDate)
        m_form.leaveFecha(*date);
    else
        focusTarget(QStringLiteral("Cmd_Guardar"));
}

void Frm_AgenOperacion::identifierLeft(CounterpartIdEdit* field)
{
    const OperationForm::Leave leave = m_form.leaveIdentifier(field->kind(), field->value());
    if (leave.filled) {
        showOperation();
        setModified(true);
        focusTarget(kind().dateColumn);
        return;
    }
    field->setValue(leave.text);
}

void Frm_AgenOperacion::Cmd_Guardar_Click()
{
    if (m_form.Guardar(screenFields()))
        showOperation();
}

void Frm_AgenOperacion::Cmd_Borrar_Click()
{
    const qint64 before = m_form.operation().id;
    const bool removed = m_form.Borrar();
    if (removed || m_form.operation().id != before || before <= 0) {
        m_buscar->clear();
        showAgent();
        showOperation();
    }
}

void Frm_AgenOperacion::Cmd_Importar_Click()
{
    warn(msg::advertenciaImportar());
    Frm_AgenImportar dialog(m_access.connection(), kind(), m_cp01Id, this);
    if (dialog.chooseFile())
        dialog.exec();
}

void Frm_AgenOperacion::Cmb_Buscar_Click()
{
    const QString text = m_buscar->currentText();
    const QList<ListEntry> entries = m_form.Buscar(text);
    FieldBinder::fillList(m_buscar, entries);
    m_buscar->setCurrentIndex(-1);
    m_buscar->setEditText(text);
    if (!entries.isEmpty() && m_buscar->isVisible())
        m_buscar->showPopup();
}

void Frm_AgenOperacion::Cbox_Buscar_Click(int index)
{
    const QVariant key = m_buscar->itemData(index);
    if (!key.isValid() || !m_form.elegir(key.toLongLong()))
        return;
    showOperation();
}

void Frm_AgenOperacion::Command1_Click()
{
    if (m_form.BuscarBase()) {
        showOperation();
        setModified(true);
    }
}

Frm_AgenRet::Frm_AgenRet(const ModuleLaunch& launch, QWidget* parent)
    : Frm_AgenOperacion(QStringLiteral("Frm_AgenRet"), RegisterKind::retenciones(), launch, parent)
{
    auto* imprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    imprimir->setObjectName(QStringLiteral("Cmd_Imprimir"));
    imprimir->setAutoDefault(false);
    buttonRow()->insertWidget(3, imprimir);
    connect(imprimir, &QPushButton::clicked, this, &Frm_AgenRet::Cmd_Imprimir_Click);
}

void Frm_AgenRet::Cmd_Imprimir_Click()
{
    const auto certificate = form().Imprimir(screenFields());
    if (!certificate)
        return;
    showOperation();
    ImprimirConstancia(*certificate);
}

bool Frm_AgenRet::ImprimirConstancia(const CertificateData& certificate)
{
    m_ultima = certificate;
    ConstanciaRetencion constancia(certificate);
    return print::previewAndPrint(constancia, msg::cancelarImpresion(), this);
}

Frm_AgenPer::Frm_AgenPer(const ModuleLaunch& launch, QWidget* parent)
    : Frm_AgenOperacion(QStringLiteral("Frm_AgenPer"), RegisterKind::percepciones(), launch, parent)
{
}

}
