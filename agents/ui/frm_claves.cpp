#include "agents/ui/frm_claves.h"

#include "agents/agentsmessages.h"
#include "agents/operationstore.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/identifieredit.h"
#include "common/ui/timedstatusline.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ventrix::agents {
namespace {

const QString Cp01Prefix = QStringLiteral("CP01");

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}

Frm_Claves::Frm_Claves(const ModuleLaunch& launch, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_Claves"), msg::tituloClaves(), helpid::Agentes, parent)
    , m_access(launch.db)
    , m_form(m_access, launch.cmdId, launch.cp01Id,
          [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); })
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCp01Frame());
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(numberFrame(QStringLiteral("Número de Agente de Percepción"),
        QStringLiteral("CMD_NumAgentePercepcion"), &m_percepcion));
    numbers->addWidget(numberFrame(QStringLiteral("Número de Agente de Retención"),
        QStringLiteral("CMD_NumAgenteRetencion"), &m_retencion));
    layout->addLayout(numbers);
    auto* buttons = new QHBoxLayout;
    auto* guardar = button(this, QStringLiteral("&Guardar"), QStringLiteral("Command1"));
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    buttons->addStretch();
    for (QPushButton* b : { guardar, ayuda, salir })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    layout->addWidget(statusLine());
    connect(guardar, &QPushButton::clicked, this, &Frm_Claves::Command1_Click);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Agentes); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    m_opened = m_form.open();
    showData();
}

Frm_Claves::~Frm_Claves() = default;

QWidget* Frm_Claves::buildCp01Frame()
{
    auto* frame = new QGroupBox(QStringLiteral("Información del CP01"), this);
    auto* grid = new QGridLayout(frame);
    const auto text = [this, frame](const QString& column) { return bind(new QLineEdit(frame), column); };
    auto* provincia = bind(new QComboBox(frame), QStringLiteral("CP01_DomFisc_Provincia"));
    provincia->setEditable(true);
    provincia->setInsertPolicy(QComboBox::NoInsert);
    if (auto list = readProvincias(m_access)) {
        for (const QString& p : *list)
            provincia->addItem(p, p);
    }
    const QList<std::pair<QString, QWidget*>> pairs {
        { QStringLiteral("Apellido y Nombre o Razón Social"), text(QStringLiteral("CP01_Contribuyente")) },
        { QStringLiteral("C.U.I.T."),
            bind(new IdentifierEdit(IdentifierKind::Cuit, frame), QStringLiteral("CP01_CUIT")) },
        { QStringLiteral("I.S.I.B."),
            bind(new IdentifierEdit(IdentifierKind::IngBrutos, frame), QStringLiteral("CP01_IngBrut")) },
        { QStringLiteral("Domicilio Particular - Calle"), text(QStringLiteral("CP01_DomFisc_Domicilio")) },
        { QStringLiteral("Número"), text(QStringLiteral("CP01_DomFisc_DomNumero")) },
        { QStringLiteral("Monoblock"), text(QStringLiteral("CP01_DomFisc_Monoblock")) },
        { QStringLiteral("Planta"), text(QStringLiteral("CP01_DomFisc_Planta")) },
        { QStringLiteral("Depto"), text(QStringLiteral("CP01_DomFisc_Depto")) },
        { QStringLiteral("Piso"), text(QStringLiteral("CP01_DomFisc_Piso")) },
        { QStringLiteral("Oficina"), text(QStringLiteral("CP01_DomFisc_Oficina")) },
        { QStringLiteral("Característica"), text(QStringLiteral("CP01_DomFisc_Te_Caract")) },
        { QStringLiteral("Teléfono"), text(QStringLiteral("CP01_DomFisc_Telefono")) },
        { QStringLiteral("Código Postal"), text(QStringLiteral("CP01_DomFisc_CodPostal")) },
        { QStringLiteral("Localidad"), text(QStringLiteral("CP01_DomFisc_Localidad")) },
        { QStringLiteral("Provincia"), provincia },
        { QStringLiteral("Sistema de Pago"), text(QStringLiteral("CP01_InfComp_SistemaPago")) },
    };
    for (int i = 0; i < pairs.size(); ++i) {
        auto* label = new QLabel(pairs[i].first, frame);
        label->setBuddy(pairs[i].second);
        // The name takes a whole row; the others go three to a row.
        const int row = i == 0 ? 0 : 1 + (i - 1) / 3;
        const int col = i == 0 ? 0 : 2 * ((i - 1) % 3);
        grid->addWidget(label, row, col, Qt::AlignRight);
        grid->addWidget(pairs[i].second, row, col + 1, 1, i == 0 ? 5 : 1);
        pairs[i].second->setMinimumWidth(140);
    }
    for (int column : { 1, 3, 5 })
        grid->setColumnStretch(column, 1);
    m_formCp01 = bind(new QCheckBox(QStringLiteral("Form CP01"), frame), QStringLiteral("CP01_FormCP01"));
    m_formCp01->setObjectName(QStringLiteral("Chk_Form_Cp01"));
    grid->addWidget(m_formCp01, grid->rowCount(), 1);
    connect(m_formCp01, &QCheckBox::toggled, this, &Frm_Claves::setCp01Editable);
    return frame;
}

QWidget* Frm_Claves::numberFrame(const QString& title, const QString& column, IdentifierEdit** field)
{
    auto* frame = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(frame);
    *field = bind(new IdentifierEdit(IdentifierKind::Agente, frame), column, FieldKeys::Integer);
    // The number emptied on leaving the field is not left unexplained.
    const QString refusal = column == QStringLiteral("CMD_NumAgenteRetencion") ? msg::errorNumeroRetencion()
                                                                               : msg::errorNumeroPercepcion();
    connect(*field, &IdentifierEdit::refused, this, [refusal] { warn(refusal); });
    row->addWidget(*field);
    row->addStretch();
    return frame;
}

void Frm_Claves::setCp01Editable(bool editable)
{
    for (QWidget* field : binder().fields(Cp01Prefix)) {
        if (field == m_formCp01)
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->setReadOnly(!editable);
        else
            field->setEnabled(editable);
    }
}

void Frm_Claves::showData()
{
    setWindowTitle(
        msg::tituloClaves() + m_form.cp01().value(QStringLiteral("CP01_Contribuyente")).toString());
    loadFields(Cp01Prefix, m_form.cp01());
    m_retencion->setValue(m_form.numbers().retencion);
    m_percepcion->setValue(m_form.numbers().percepcion);
    setCp01Editable(m_formCp01->isChecked());
    setModified(false);
}

bool Frm_Claves::NumAgente_Check(IdentifierEdit* field)
{
    return field->validate();
}

void Frm_Claves::Command1_Click()
{
    const AgentNumbers typed { m_retencion->value(), m_percepcion->value() };
    if (m_form.Guardar(readFields(Cp01Prefix), m_formCp01->isChecked(), typed)) {
        setModified(false);
        accept();
        return;
    }
    // A refused number is emptied, its mask set again (the reason has been shown).
    for (IdentifierEdit* field : { m_retencion, m_percepcion }) {
        if (!ClavesForm::NumAgente_Check(field->value()).valid) {
            const QSignalBlocker quiet(field);
            NumAgente_Check(field);
        }
    }
}

}
