#include "plans/ui/frm_pfp.h"

#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/modulekeys.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/timedstatusline.h"
#include "plans/planchecks.h"
#include "plans/plangridmodel.h"
#include "plans/plansmessages.h"
#include "plans/ui/frm_ib09.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::plans {
namespace {

const QString Cp01Prefix = QStringLiteral("CP01");
const QString DateMask = QStringLiteral("99/99/9999");

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void openInstalmentScreen(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent)
{
    Frm_IB09 slips(std::move(db), cmdId, cp01Id, parent);
    slips.exec();
}

}

Frm_PFP::Frm_PFP(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent)
    : ModuleWindow(
        QStringLiteral("Frm_PFP"), QStringLiteral("Plan de Facilidades de Pago"), helpid::Pagos, parent)
    , m_db(db)
    , m_access(std::move(db))
    , m_store(m_access)
    , m_register(m_store, cmdId, cp01Id,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); } })
    , m_openInstalments(openInstalmentScreen)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCp01Box());
    auto* gridBox = new QGroupBox(QStringLiteral("Estado de Planes de Facilidades de Pago"), this);
    auto* gridLayout = new QVBoxLayout(gridBox);
    m_model = new PlanGridModel(this);
    m_view = new QTableView(gridBox);
    m_view->setObjectName(QStringLiteral("TDBGrid1"));
    m_view->setModel(m_model);
    m_view->verticalHeader()->hide();
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    gridLayout->addWidget(m_view);
    layout->addWidget(gridBox, 1);
    layout->addWidget(buildEntryPanel());
    layout->addWidget(buildButtons());
    layout->addWidget(statusLine());
    statusLine()->setObjectName(QStringLiteral("Mensaje"));
    resize(760, 560);

    statusLine()->showNotice(msg::cargandoDatos(), 1200);
    auto cp01 = m_store.inscription(cmdId, cp01Id);
    if (!cp01) {
        fail(cp01.error());
        return;
    }
    loadFields(Cp01Prefix, *cp01);
    setWindowTitle(msg::tituloPlanes(cp01->value(QStringLiteral("CP01_Contribuyente")).toString()));
    m_opened = true;
    setEntering(false);
    Cargar_Grilla();
}

Frm_PFP::~Frm_PFP() = default;

QGroupBox* Frm_PFP::buildCp01Box()
{
    auto* box = new QGroupBox(QStringLiteral("Información del CP01"), this);
    auto* grid = new QGridLayout(box);
    const QList<QPair<QString, QString>> shown {
        { QStringLiteral("CUIT"), QStringLiteral("CP01_CUIT") },
        { QStringLiteral("Ingresos Brutos"), QStringLiteral("CP01_IngBrut") },
        { QStringLiteral("Contribuyente"), QStringLiteral("CP01_Contribuyente") },
        { QStringLiteral("Domicilio"), QStringLiteral("CP01_DomFisc_Domicilio") },
        { QStringLiteral("Número"), QStringLiteral("CP01_DomFisc_DomNumero") },
        { QStringLiteral("Monoblock"), QStringLiteral("CP01_DomFisc_Monoblock") },
        { QStringLiteral("Planta"), QStringLiteral("CP01_DomFisc_Planta") },
        { QStringLiteral("Depto."), QStringLiteral("CP01_DomFisc_Depto") },
        { QStringLiteral("Piso"), QStringLiteral("CP01_DomFisc_Piso") },
        { QStringLiteral("Oficina"), QStringLiteral("CP01_DomFisc_Oficina") },
        { QStringLiteral("Característica"), QStringLiteral("CP01_DomFisc_Te_Caract") },
        { QStringLiteral("Teléfono"), QStringLiteral("CP01_DomFisc_Telefono") },
        { QStringLiteral("Cód. Postal"), QStringLiteral("CP01_DomFisc_CodPostal") },
        { QStringLiteral("Localidad"), QStringLiteral("CP01_DomFisc_Localidad") },
        { QStringLiteral("Provincia"), QStringLiteral("CP01_DomFisc_Provincia") },
    };
    for (int i = 0; i < shown.size(); ++i) {
        auto* edit = bind(new QLineEdit(box), shown.at(i).second);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(new QLabel(shown.at(i).first, box), i / 3, (i % 3) * 2);
        grid->addWidget(edit, i / 3, (i % 3) * 2 + 1);
    }
    return box;
}

QLineEdit* Frm_PFP::planField(const QString& column, FieldKeys keys)
{
    auto* edit = bind(new QLineEdit(this), column, keys, true);
    if (keys == FieldKeys::Date) {
        edit->setInputMask(DateMask);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")));
    }
    if (keys == FieldKeys::Amount || keys == FieldKeys::Decimal) {
        edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::editingFinished, this,
            [edit] { edit->setText(amountOnLeaving(edit->text())); });
    }
    return edit;
}

QGroupBox* Frm_PFP::buildEntryPanel()
{
    m_panel = new QGroupBox(QStringLiteral("Ingreso del Plan de Facilidades de Pago"), this);
    m_panel->setObjectName(QStringLiteral("PictIngreso"));
    auto* grid = new QGridLayout(m_panel);
    const QList<QPair<QString, QLineEdit*>> fields {
        { QStringLiteral("Tipo de Formulario de Pago"), planField(col::TipoForm, FieldKeys::Text) },
        { QStringLiteral("Número Plan Facilidades de Pago"), planField(col::NumPFP, FieldKeys::Text) },
        { QStringLiteral("Tasa"), planField(col::Tasa, FieldKeys::Decimal) },
        { QStringLiteral("Importe Anticipo"), planField(col::ImporteAnticipo, FieldKeys::Amount) },
        { QStringLiteral("Importe Cuota"), planField(col::ImporteCuota, FieldKeys::Amount) },
        { QStringLiteral("Importe Deuda"), planField(col::ImporteDeuda, FieldKeys::Amount) },
        { QStringLiteral("Cantidad Cuotas"), planField(col::CantCuotas, FieldKeys::Integer) },
        { QStringLiteral("Fecha Aprobación"), planField(col::FechaAprob, FieldKeys::Date) },
        { QStringLiteral("Fecha Vto 2° Cta."), planField(col::FechaVtoCta2, FieldKeys::Date) },
    };
    for (int i = 0; i < fields.size(); ++i) {
        fields.at(i).second->setParent(m_panel);
        grid->addWidget(new QLabel(fields.at(i).first, m_panel), i / 3, (i % 3) * 2);
        grid->addWidget(fields.at(i).second, i / 3, (i % 3) * 2 + 1);
    }
    auto* guardar = button(m_panel, QStringLiteral("&Guardar"), QStringLiteral("Salir"));
    auto* cancelar = button(m_panel, QStringLiteral("&Cancelar"), QStringLiteral("ComCancelar"));
    hoverText(guardar, QStringLiteral("Guardar y Cerrar"));
    hoverText(cancelar, QStringLiteral("Cerrar sin guardar"));
    connect(guardar, &QPushButton::clicked, this, &Frm_PFP::Salir_Click);
    connect(cancelar, &QPushButton::clicked, this, &Frm_PFP::ComCancelar_Click);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(guardar);
    row->addWidget(cancelar);
    grid->addLayout(row, 3, 0, 1, 6);
    return m_panel;
}

QWidget* Frm_PFP::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    auto* nuevo = button(bar, QStringLiteral("&Reg. Plan"), QStringLiteral("Command2"));
    auto* borrar = button(bar, QStringLiteral("&Borrar"), QStringLiteral("Command4"));
    auto* formPago = button(bar, QStringLiteral("Form Pago"), QStringLiteral("Command6"));
    auto* ayuda = button(bar, QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    auto* salir = button(bar, QStringLiteral("&Salir"), QStringLiteral("Command3"));
    hoverText(nuevo, QStringLiteral("Registrar un nuevo plan de facilidades de pago"));
    hoverText(formPago, QStringLiteral("Formularios de pago de las cuotas"));
    connect(nuevo, &QPushButton::clicked, this, &Frm_PFP::Command2_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_PFP::Command4_Click);
    connect(formPago, &QPushButton::clicked, this, &Frm_PFP::Command6_Click);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Pagos); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(nuevo);
    row->addWidget(borrar);
    row->addWidget(formPago);
    row->addStretch();
    row->addWidget(ayuda);
    row->addWidget(salir);
    // Entering a plan hides what would leave the panel; "Form Pago" stays as in the browsing state.
    m_browseButtons = { nuevo, salir, borrar, ayuda };
    return bar;
}

bool Frm_PFP::entering() const
{
    return m_panel->isVisibleTo(this);
}

void Frm_PFP::setEntering(bool on)
{
    m_panel->setVisible(on);
    for (QPushButton* b : m_browseButtons)
        b->setVisible(!on);
}

void Frm_PFP::Cargar_Grilla()
{
    m_model->setPlans(m_register.Cargar_Grilla());
}

const PaymentPlan* Frm_PFP::chosenPlan() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->plan(rows.front().row());
}

void Frm_PFP::Command2_Click()
{
    binder().clear(col::Prefix);
    setEntering(true);
    setModified(false);
    findChild<QLineEdit*>(col::TipoForm)->setFocus();
}

void Frm_PFP::ComCancelar_Click()
{
    setEntering(false);
    setModified(false);
}

void Frm_PFP::Salir_Click()
{
    PaymentPlan plan = paymentPlan(readFields(col::Prefix));
    plan.id = 0;
    if (!m_register.Guardar(plan))
        return;
    setEntering(false);
    setModified(false);
    Cargar_Grilla();
}

void Frm_PFP::Command4_Click()
{
    if (m_register.Borrar(chosenPlan(), m_model->rowCount()))
        Cargar_Grilla();
}

void Frm_PFP::Command6_Click()
{
    switch (m_register.formPago(m_model->rowCount())) {
    case PlanRegister::FormPago::NewPlan:
        Command2_Click();
        break;
    case PlanRegister::FormPago::Instalments:
        m_openInstalments(m_db, m_register.cmdId(), m_register.cp01Id(), this);
        Cargar_Grilla();
        break;
    case PlanRegister::FormPago::Nothing:
        break;
    }
}

void registerPlansWindows(ModuleRegistry& registry)
{
    registry.add(modulekey::Pfp, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        auto* window = new Frm_PFP(launch.db, launch.cmdId, launch.cp01Id, parent);
        if (window->opened())
            return window;
        delete window;
        return nullptr;
    });
}

}
