#include "agents/agentsmessages.h"
#include "agents/operationamounts.h"
#include "agents/operationstore.h"
#include "agents/ui/agentsuimessages.h"
#include "agents/ui/frm_arp.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/timedstatusline.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ventrix::agents {
namespace {

QLineEdit* readOnly(QLineEdit* edit)
{
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

// Computed fields show in the colour of read-only ones, though the user may still type over them.
void computedColour(QLineEdit* edit)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    edit->setPalette(p);
}

void addPair(QGridLayout* grid, int row, int col, const QString& caption, QWidget* field)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, col, Qt::AlignRight);
    grid->addWidget(field, row, col + 1);
}

}

QPushButton* Frm_ARP::addButton(const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* Frm_ARP::amountField(int index, const QString& column)
{
    auto* edit = bind(new QLineEdit(this), column, FieldKeys::Amount);
    edit->setObjectName(QStringLiteral("Numero_%1").arg(index));
    edit->setAlignment(Qt::AlignRight);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] { amountLeft(edit); });
    connect(edit, &QLineEdit::textChanged, this, [edit](const QString& text) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, showsNegative(text) ? Qt::red : Qt::black);
        edit->setPalette(p);
    });
    return edit;
}

QLineEdit* Frm_ARP::dateField(const QString& column)
{
    auto* edit = bind(new QLineEdit(this), column, FieldKeys::Date);
    edit->setMaxLength(10);
    edit->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    return edit;
}

QGroupBox* Frm_ARP::buildAgentFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Datos Referenciales del Agente"), this);
    auto* grid = new QGridLayout(frame);
    const QList<std::pair<QString, QString>> shown { { QStringLiteral("CP01_Contribuyente"),
                                                         QStringLiteral("Apellido y Nombre / Razón Social") },
        { QStringLiteral("CP01_DomFisc_Domicilio"), QStringLiteral("Calle") },
        { QStringLiteral("CP01_DomFisc_DomNumero"), QStringLiteral("Número") },
        { QStringLiteral("CP01_DomFisc_Localidad"), QStringLiteral("Localidad") },
        { QStringLiteral("CP01_CUIT"), QStringLiteral("C.U.I.T.") },
        { QStringLiteral("CP01_IngBrut"), QStringLiteral("I.B.") } };
    // The name over the whole first row; address, then identifiers and agent numbers below.
    auto* name = readOnly(bind(new QLineEdit(frame), shown[0].first));
    grid->addWidget(new QLabel(shown[0].second, frame), 0, 0, Qt::AlignRight);
    grid->addWidget(name, 0, 1, 1, 7);
    for (int i = 1; i < shown.size(); ++i)
        addPair(grid, i < 4 ? 1 : 2, 2 * ((i - 1) % 3), shown[i].second,
            readOnly(bind(new QLineEdit(frame), shown[i].first)));
    m_numRetencion = readOnly(new QLineEdit(frame));
    m_numRetencion->setObjectName(QStringLiteral("Num_Retencion"));
    m_numPercepcion = readOnly(new QLineEdit(frame));
    m_numPercepcion->setObjectName(QStringLiteral("Num_Percepcion"));
    addPair(grid, 2, 4, QStringLiteral("N° Retención"), m_numRetencion);
    addPair(grid, 2, 6, QStringLiteral("N° Percepción"), m_numPercepcion);
    return frame;
}

QGroupBox* Frm_ARP::buildOperationFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Datos de la Operación"), this);
    auto* grid = new QGridLayout(frame);
    auto* options = new QWidget(frame);
    options->setObjectName(QStringLiteral("Option3d1"));
    auto* optionRow = new QHBoxLayout(options);
    optionRow->setContentsMargins(0, 0, 0, 0);
    m_optRetencion = new QRadioButton(QStringLiteral("Retención"), options);
    m_optRetencion->setObjectName(QStringLiteral("Option3d1_0"));
    m_optPercepcion = new QRadioButton(QStringLiteral("Percepción"), options);
    m_optPercepcion->setObjectName(QStringLiteral("Option3d1_1"));
    optionRow->addWidget(m_optRetencion);
    optionRow->addWidget(m_optPercepcion);
    m_optionResul = bind(new QLineEdit(frame), QStringLiteral("Arp_Operacion"));
    m_optionResul->setObjectName(QStringLiteral("OptionResul"));
    m_optionResul->hide();
    grid->addWidget(options, 0, 0, 1, 2);

    m_maskDesde = new QLineEdit(frame);
    m_maskDesde->setObjectName(QStringLiteral("MaskDesde"));
    m_maskDesde->setInputMask(QStringLiteral("99/9999"));
    m_maskDesde->setToolTip(QStringLiteral("Mes/Año"));
    enterMovesOn(m_maskDesde, FieldKeys::Date);
    m_maskHasta = readOnly(new QLineEdit(frame));
    m_maskHasta->setObjectName(QStringLiteral("MaskHasta"));
    m_maskHasta->hide();
    m_labDesde = readOnly(bind(new QLineEdit(frame), QStringLiteral("Arp_Desde")));
    m_labDesde->setObjectName(QStringLiteral("Lab_Desde"));
    m_labHasta = readOnly(bind(new QLineEdit(frame), QStringLiteral("Arp_Hasta")));
    m_labHasta->setObjectName(QStringLiteral("Lab_Hasta"));
    addPair(grid, 1, 0, QStringLiteral("Período (Mes/Año)"), m_maskDesde);
    addPair(grid, 1, 2, QStringLiteral("Desde"), m_labDesde);
    addPair(grid, 1, 4, QStringLiteral("Hasta"), m_labHasta);

    m_fechaVto = dateField(QStringLiteral("Arp_FechaVto"));
    m_fechaPago = dateField(QStringLiteral("Arp_FechaPago"));
    addPair(grid, 2, 0, QStringLiteral("Fecha de Vto."), m_fechaVto);
    addPair(grid, 2, 2, QStringLiteral("Fecha de Pago"), m_fechaPago);

    m_total = amountField(100, QStringLiteral("Arp_Importe"));
    m_depositado = amountField(101, QStringLiteral("Arp_SumTotDepositado"));
    m_intereses = amountField(0, QStringLiteral("Arp_Intereses"));
    m_saldo = amountField(1, QStringLiteral("Arp_Saldo"));
    m_capital = amountField(102, QStringLiteral("Arp_Capital_Amortizado"));
    m_importeDepositar = amountField(2, QStringLiteral("Arp_Importe_Depositado"));
    for (QLineEdit* computed : { m_total, m_depositado, m_intereses, m_saldo, m_capital })
        computedColour(computed);
    m_labImporteTipo = new QLabel(msg::totalRetenido(), frame);
    m_labImporteTipo->setObjectName(QStringLiteral("Lab_ImporteTipo"));
    m_labImporteTipo->setBuddy(m_total);
    grid->addWidget(m_labImporteTipo, 3, 0, Qt::AlignRight);
    grid->addWidget(m_total, 3, 1);
    addPair(grid, 3, 2, QStringLiteral("Total Depositado"), m_depositado);
    addPair(grid, 3, 4, QStringLiteral("Intereses"), m_intereses);
    addPair(grid, 4, 0, QStringLiteral("Saldo"), m_saldo);
    addPair(grid, 4, 2, QStringLiteral("Capital Amortizado"), m_capital);
    addPair(grid, 4, 4, QStringLiteral("Importe a Depositar"), m_importeDepositar);
    m_numFormulario = readOnly(bind(new QLineEdit(frame), QStringLiteral("Arp_NumFormulario")));
    m_numFormulario->setObjectName(QStringLiteral("Lab_NumFormulario"));
    addPair(grid, 2, 4, QStringLiteral("N° Comprobante"), m_numFormulario);
    auto* note = new QLabel(msg::notaMinimo(), frame);
    note->setWordWrap(true);
    grid->addWidget(note, 5, 0, 1, 6);
    return frame;
}

QWidget* Frm_ARP::buildButtons()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_payRet = addButton(msg::botonPagoRetencion(), QStringLiteral("Cmd_PrintPago_0"));
    m_payPer = addButton(msg::botonPagoPercepcion(), QStringLiteral("Cmd_PrintPago_1"));
    m_ddjjRet = addButton(msg::botonDDJJRetencion(), QStringLiteral("Cmd_PrintDDJJ_0"));
    m_ddjjPer = addButton(msg::botonDDJJPercepcion(), QStringLiteral("Cmd_PrintDDJJ_1"));
    grid->addWidget(m_payRet, 0, 0, 1, 3);
    grid->addWidget(m_payPer, 0, 3, 1, 3);
    grid->addWidget(m_ddjjRet, 1, 0, 1, 3);
    grid->addWidget(m_ddjjPer, 1, 3, 1, 3);
    connect(m_payRet, &QPushButton::clicked, this, &Frm_ARP::Cmd_PrintPago_Click);
    connect(m_payPer, &QPushButton::clicked, this, &Frm_ARP::Cmd_PrintPago_Click);
    connect(m_ddjjRet, &QPushButton::clicked, this, &Frm_ARP::Cmd_PrintDDJJ_Click);
    connect(m_ddjjPer, &QPushButton::clicked, this, &Frm_ARP::Cmd_PrintDDJJ_Click);

    struct Plain
    {
        QString text;
        QString name;
        void (Frm_ARP::*click)();
    };
    const QList<Plain> plain { { QStringLiteral("&Nuevo"), QStringLiteral("Cmd_Alta"),
                                   &Frm_ARP::Cmd_Alta_Click },
        { QStringLiteral("&Guardar"), QStringLiteral("Cmd_Guardar"), &Frm_ARP::Cmd_Guardar_Click },
        { QStringLiteral("&Borrar"), QStringLiteral("Cmd_Borrar"), &Frm_ARP::Cmd_Borrar_Click },
        { QStringLiteral("&Imprimir"), QStringLiteral("Cmd_Imprimir"), &Frm_ARP::Cmd_Imprimir_Click },
        { QStringLiteral("Info."), QStringLiteral("Cmd_QuienFalta"), &Frm_ARP::Cmd_QuienFalta_Click },
        { msg::botonClaves(), QStringLiteral("Cmd_Claves"), &Frm_ARP::Cmd_Claves_Click },
        { msg::botonConstRetencion(), QStringLiteral("Cmd_ConstRetencion"),
            &Frm_ARP::Cmd_ConstRetencion_Click },
        { msg::botonConstPercepcion(), QStringLiteral("Cmd_ConstPercep"), &Frm_ARP::Cmd_ConstPercep_Click },
        { QStringLiteral("&Crédito"), QStringLiteral("Command1"), &Frm_ARP::Command1_Click },
        { QStringLiteral("Calculadora"), QStringLiteral("Cmd_CallAccesorios"),
            &Frm_ARP::Cmd_CallAccesorios_Click },
        { QStringLiteral("&Buscar"), QStringLiteral("Cmb_Buscar"), &Frm_ARP::Cmb_Buscar_Click } };
    for (int i = 0; i < plain.size(); ++i) {
        QPushButton* b = addButton(plain[i].text, plain[i].name);
        grid->addWidget(b, 2 + i / 6, i % 6);
        connect(b, &QPushButton::clicked, this, plain[i].click);
    }
    m_buscar = new QComboBox(box);
    m_buscar->setObjectName(QStringLiteral("Cbox_Buscar"));
    m_buscar->setMinimumWidth(180);
    grid->addWidget(m_buscar, 3, 5);
    connect(m_buscar, &QComboBox::activated, this, &Frm_ARP::Cbox_Buscar_Click);

    auto* ib16
        = addButton(QStringLiteral("&Encriptar IB16 Externo"), QStringLiteral("Cmd_EncripIB16Externo"));
    auto* ap02
        = addButton(QStringLiteral("&Encriptar AP02 Externo"), QStringLiteral("Cmd_EncripAp02Externo"));
    auto* help = addButton(QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    auto* salir = addButton(QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    for (QPushButton* b : { ib16, ap02 })
        b->setToolTip(msg::encripExternoTooltip());
    grid->addWidget(ib16, 4, 0, 1, 2);
    grid->addWidget(ap02, 4, 2, 1, 2);
    grid->addWidget(help, 4, 4);
    grid->addWidget(salir, 4, 5);
    connect(
        ib16, &QPushButton::clicked, this, [this] { Cmd_EncripExterno_Click(AgentRegister::Retenciones); });
    connect(
        ap02, &QPushButton::clicked, this, [this] { Cmd_EncripExterno_Click(AgentRegister::Percepciones); });
    connect(help, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Agentes); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    return box;
}

void Frm_ARP::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildAgentFrame());
    layout->addWidget(buildOperationFrame());
    layout->addWidget(buildButtons());
    layout->addWidget(statusLine());
    connect(m_optRetencion, &QRadioButton::clicked, this,
        [this] { Option3d1_Click(AgentRegister::Retenciones); });
    connect(m_optPercepcion, &QRadioButton::clicked, this,
        [this] { Option3d1_Click(AgentRegister::Percepciones); });
    connect(m_maskDesde, &QLineEdit::editingFinished, this, &Frm_ARP::MaskDesde_LostFocus);
    connect(m_fechaVto, &QLineEdit::editingFinished, this, &Frm_ARP::FechaVto_LostFocus);
    connect(m_fechaPago, &QLineEdit::editingFinished, this, &Frm_ARP::FechaPago_LostFocus);
}

void Frm_ARP::amountLeft(QLineEdit* field)
{
    if (m_printing)
        return;
    if (exceedsField(field->text(), 2)) {
        field->clear();
        warn(msg::importeExcedido());
    }
    field->setText(normaliseAmountField(field->text(), 2));
    if (field != m_importeDepositar)
        CalculaInteres();
}

void Frm_ARP::showAmount(QLineEdit* field, const std::optional<Money>& value)
{
    field->setText(value ? value->toDisplay() : QString());
}

void Frm_ARP::showPeriod(const ArpPeriod& period)
{
    m_period = period;
    m_maskDesde->setText(period.text());
    m_maskHasta->setText(period.text());
    m_labDesde->setText(displayText(period.desde));
    m_labHasta->setText(displayText(period.hasta));
}

void Frm_ARP::showDeposit(const ArpDeposit& d)
{
    FieldValues values = depositFields(d);
    loadFields(QStringLiteral("Arp"), values);
    m_depositId = d.id;
    if (d.operacion == QStringLiteral("Retención"))
        setOperationShown(AgentRegister::Retenciones);
    else if (d.operacion == QStringLiteral("Percepción"))
        setOperationShown(AgentRegister::Percepciones);
    showPeriod(d.period);
    m_proposedVto = agents::CalculaDefault(d.period.hasta);
}

ArpDeposit Frm_ARP::screenDeposit() const
{
    ArpDeposit d = depositFromScreen(readFields(QStringLiteral("Arp")));
    d.id = m_depositId;
    return d;
}

}
