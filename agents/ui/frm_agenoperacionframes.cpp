#include "agents/agentsmessages.h"
#include "agents/ui/counterpartidedit.h"
#include "agents/ui/frm_agenoperacion.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/ui/timedstatusline.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::agents {
namespace {

using Pair = std::pair<QString, QWidget*>;

// Caption and field side by side, perRow pairs to a row; a null field leaves its place empty.
void addPairs(QGridLayout* grid, const QList<Pair>& pairs, int perRow)
{
    for (int i = 0; i < pairs.size(); ++i) {
        if (!pairs[i].second)
            continue;
        auto* label = new QLabel(pairs[i].first, pairs[i].second->parentWidget());
        label->setBuddy(pairs[i].second);
        grid->addWidget(label, i / perRow, 2 * (i % perRow), Qt::AlignRight);
        grid->addWidget(pairs[i].second, i / perRow, 2 * (i % perRow) + 1);
    }
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

bool isRetencion(const RegisterKind& kind)
{
    return kind.which == AgentRegister::Retenciones;
}

}

// A counterpart's text field; its width comes from the column (applySizes).
QLineEdit* Frm_AgenOperacion::textField(const QString& item)
{
    return bind(new QLineEdit(this), kind().column(item));
}

QLineEdit* Frm_AgenOperacion::amountField(const QString& column, int places)
{
    auto* edit = bind(new QLineEdit(this), column, places == 4 ? FieldKeys::Decimal : FieldKeys::Amount);
    edit->setAlignment(Qt::AlignRight);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, places] { amountLeft(edit, places); });
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { paintSign(edit); });
    return edit;
}

QLineEdit* Frm_AgenOperacion::dateField(const QString& column)
{
    auto* edit = bind(new QLineEdit(this), column, FieldKeys::Date);
    edit->setMaxLength(10);
    edit->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    const bool operationDate = column == kind().dateColumn;
    connect(edit, &QLineEdit::editingFinished, this,
        [this, edit, operationDate] { dateLeft(edit, operationDate); });
    return edit;
}

CounterpartIdEdit* Frm_AgenOperacion::identifierField(IdentifierKind which)
{
    auto* edit = new CounterpartIdEdit(which, this);
    edit->setObjectName(which == IdentifierKind::Cuit ? QStringLiteral("CUIT") : QStringLiteral("IngBrut"));
    bind(edit,
        kind().column(which == IdentifierKind::Cuit ? QStringLiteral("CUIT") : QStringLiteral("IBrutos")));
    connect(edit, &CounterpartIdEdit::left, this, [this, edit] { identifierLeft(edit); });
    return edit;
}

QGroupBox* Frm_AgenOperacion::buildAgentFrame()
{
    auto* frame
        = new QGroupBox(isRetencion(kind()) ? QStringLiteral("Datos Referenciales del Agente de Retención")
                                            : QStringLiteral("Datos Referenciales del Agente de Percepción"),
            this);
    const QStringList captions { QStringLiteral("Apellido y Nombre / Razón Social"), QStringLiteral("Calle"),
        QStringLiteral("Número"), QStringLiteral("Piso"), QStringLiteral("Depto"), QStringLiteral("Oficina"),
        QStringLiteral("Monoblock"), QStringLiteral("Planta"), QStringLiteral("Código Postal"),
        QStringLiteral("Localidad"), QStringLiteral("Provincia"), QStringLiteral("Característica"),
        QStringLiteral("Teléfono"), QStringLiteral("E-mail"), QStringLiteral("C.U.I.T."),
        QStringLiteral("I.B.") };
    QList<Pair> pairs;
    const QStringList& columns = agentDataColumns();
    for (int i = 0; i < columns.size(); ++i) {
        auto* edit = bind(new QLineEdit(frame), columns[i]);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        pairs.append({ captions.value(i), edit });
    }
    m_numAgente = new QLineEdit(frame);
    m_numAgente->setObjectName(QStringLiteral("Txt_NumAgente"));
    m_numAgente->setReadOnly(true);
    m_numAgente->setFocusPolicy(Qt::NoFocus);
    pairs.append({ isRetencion(kind()) ? QStringLiteral("N° Retención") : QStringLiteral("N° Percepción"),
        m_numAgente });
    auto* grid = new QGridLayout(frame);
    // The name takes the whole first row.
    auto* name = new QLabel(pairs[0].first, frame);
    grid->addWidget(name, 0, 0, Qt::AlignRight);
    grid->addWidget(pairs[0].second, 0, 1, 1, 7);
    auto* rest = new QGridLayout;
    addPairs(rest, pairs.mid(1), 4);
    grid->addLayout(rest, 1, 0, 1, 8);
    return frame;
}

QGroupBox* Frm_AgenOperacion::buildCounterpartFrame()
{
    auto* frame = new QGroupBox(isRetencion(kind()) ? QStringLiteral("Datos del Contribuyente Retenido")
                                                    : QStringLiteral("Datos del Contribuyente Percibido"),
        this);
    auto* name = textField(QStringLiteral("Contribuyente"));
    QList<Pair> pairs { { QStringLiteral("C.U.I.T."), identifierField(IdentifierKind::Cuit) },
        { QStringLiteral("I.S.I.B."), identifierField(IdentifierKind::IngBrutos) },
        { QStringLiteral("Calle"), textField(QStringLiteral("Domicilio")) },
        { QStringLiteral("Número"), textField(QStringLiteral("DomNumero")) },
        { QStringLiteral("Monoblock"), textField(QStringLiteral("Monoblock")) },
        { QStringLiteral("Planta"), textField(QStringLiteral("Planta")) },
        { QStringLiteral("Depto"), textField(QStringLiteral("Depto")) },
        { QStringLiteral("Piso"), textField(QStringLiteral("Piso")) },
        { QStringLiteral("Oficina"), textField(QStringLiteral("Oficina")) },
        { QStringLiteral("Característica"), textField(QStringLiteral("Te_Caract")) },
        { QStringLiteral("Teléfono"), textField(QStringLiteral("Telefono")) },
        { QStringLiteral("Código Postal"), textField(QStringLiteral("CodPostal")) },
        { QStringLiteral("Localidad"), textField(QStringLiteral("Localidad")) } };
    auto* provincia = new QComboBox(this);
    provincia->setObjectName(QStringLiteral("Combo1"));
    provincia->setEditable(true);
    provincia->setInsertPolicy(QComboBox::NoInsert);
    bind(provincia, kind().column(QStringLiteral("Provincia")));
    if (auto list = m_store.provincias()) {
        for (const QString& p : *list)
            provincia->addItem(p, p);
    }
    provincia->setCurrentIndex(-1);
    pairs.append({ QStringLiteral("Provincia"), provincia });
    auto* buscarBase = button(this, QStringLiteral("Buscar Base"), QStringLiteral("Command1"));
    connect(buscarBase, &QPushButton::clicked, this, &Frm_AgenOperacion::Command1_Click);
    auto* grid = new QGridLayout(frame);
    auto* caption = new QLabel(QStringLiteral("Apellido y Nombre / Razón Social"), frame);
    caption->setBuddy(name);
    grid->addWidget(caption, 0, 0, Qt::AlignRight);
    grid->addWidget(name, 0, 1, 1, 5);
    grid->addWidget(buscarBase, 0, 6, 1, 2);
    auto* rest = new QGridLayout;
    addPairs(rest, pairs, 4);
    grid->addLayout(rest, 1, 0, 1, 8);
    return frame;
}

QGroupBox* Frm_AgenOperacion::buildOperationFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Datos de la Operación"), this);
    const bool ret = isRetencion(kind());
    QLineEdit* fecha = dateField(kind().dateColumn);
    m_base = amountField(kind().column(QStringLiteral("BaseImp")), 2);
    m_alicuota = amountField(kind().column(QStringLiteral("Alicuota")), 4);
    m_importe = amountField(kind().amountColumn, 2);
    auto* documento = bind(new QLineEdit(this), kind().documentColumn);
    QList<Pair> pairs {
        { ret ? QStringLiteral("Fecha de Retención") : QStringLiteral("Fecha de Percepción"), fecha },
        { QStringLiteral("Base Imponible"), m_base },
        { ret ? QStringLiteral("Alícuota (%)") : QStringLiteral("Alicuota (%)"), m_alicuota },
        { ret ? QStringLiteral("Importe Retenido") : QStringLiteral("Importe Percepción"), m_importe },
        { ret ? QStringLiteral("N° de Factura") : QStringLiteral("N° Factura"), documento },
    };
    if (kind().hasPlace) {
        pairs.append({ QStringLiteral("Lugar"), textField(QStringLiteral("Lugar")) });
        pairs.append(
            { QStringLiteral("Fecha de Emisión"), dateField(kind().column(QStringLiteral("Lugar_Fecha"))) });
    }
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    addPairs(grid, pairs, 4);
    layout->addLayout(grid);
    auto* note = new QLabel(ret ? msg::minimoRetencion() : msg::minimoPercepcion(), frame);
    note->setObjectName(QStringLiteral("Lab_Minimo"));
    layout->addWidget(note);
    return frame;
}

QHBoxLayout* Frm_AgenOperacion::buildButtons()
{
    auto* row = new QHBoxLayout;
    auto* alta = button(this, QStringLiteral("&Nuevo"), QStringLiteral("Cmd_Alta"));
    auto* guardar = button(this, QStringLiteral("&Guardar"), QStringLiteral("Cmd_Guardar"));
    auto* borrar = button(this, QStringLiteral("&Borrar"), QStringLiteral("Cmd_Borrar"));
    auto* importar = button(this, QStringLiteral("&Import."), QStringLiteral("Cmd_Importar"));
    auto* buscar = button(this, QStringLiteral("&Buscar"), QStringLiteral("Cmb_Buscar"));
    m_buscar = new QComboBox(this);
    m_buscar->setObjectName(QStringLiteral("Cbox_Buscar"));
    m_buscar->setEditable(true);
    m_buscar->setInsertPolicy(QComboBox::NoInsert);
    m_buscar->setMinimumContentsLength(24);
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    connect(alta, &QPushButton::clicked, this, &Frm_AgenOperacion::ClearForm);
    connect(guardar, &QPushButton::clicked, this, &Frm_AgenOperacion::Cmd_Guardar_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_AgenOperacion::Cmd_Borrar_Click);
    connect(importar, &QPushButton::clicked, this, &Frm_AgenOperacion::Cmd_Importar_Click);
    connect(buscar, &QPushButton::clicked, this, &Frm_AgenOperacion::Cmb_Buscar_Click);
    connect(m_buscar, &QComboBox::activated, this, &Frm_AgenOperacion::Cbox_Buscar_Click);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Agentes); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : { alta, guardar, borrar, importar })
        row->addWidget(b);
    row->addStretch();
    row->addWidget(buscar);
    row->addWidget(m_buscar, 1);
    row->addWidget(ayuda);
    row->addWidget(salir);
    return row;
}

void Frm_AgenOperacion::buildLayout()
{
    m_key = new QLabel(this);
    m_key->setObjectName(kind().keyColumn);
    m_key->hide();
    auto* cp01 = new QLabel(QString::number(m_cp01Id), this);
    cp01->setObjectName(QStringLiteral("CP01_ID"));
    cp01->hide();
    auto* cmd = new QLabel(QString::number(m_cmdId), this);
    cmd->setObjectName(QStringLiteral("Cmd_ID"));
    cmd->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildAgentFrame());
    layout->addWidget(buildCounterpartFrame());
    layout->addWidget(buildOperationFrame());
    m_buttons = buildButtons();
    layout->addLayout(m_buttons);
    layout->addWidget(statusLine());
    resize(940, 640);
}

}
